#pragma once
// Closes a file descriptor on every path out of the scope that opened it.

#include <unistd.h>

namespace dsp {

struct FdGuard {
    int fd;
    ~FdGuard() {
        if (fd >= 0) ::close(fd);
    }
};

}  // namespace dsp
