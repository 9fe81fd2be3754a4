#include "platform/serialdev/pty_pair.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace dsp {

PtyPair::~PtyPair() { CloseMaster(); }

int PtyPair::Create() {
    CloseMaster();
    int fd = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return errno;
    char name[128];
    int error = 0;
    if (grantpt(fd) != 0 || unlockpt(fd) != 0 || ptsname_r(fd, name, sizeof name) != 0) error = errno;
    termios t{};
    if (error == 0 && tcgetattr(fd, &t) == 0) {
        cfmakeraw(&t);
        if (tcsetattr(fd, TCSANOW, &t) != 0) error = errno;
    }
    if (error != 0) {
        close(fd);
        return error;
    }
    master_ = fd;
    slavePath_ = name;
    return 0;
}

void PtyPair::CloseMaster() {
    if (master_ >= 0) close(master_);
    master_ = -1;
}

} // namespace dsp
