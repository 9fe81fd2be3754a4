#include "platform/serialdev/fd_wait.h"

#include <cerrno>
#include <poll.h>
#include <unistd.h>
#include <vector>

namespace dsp {

int WaitForInput(std::span<FdWaitItem> items, int timeoutMs) {
    std::vector<pollfd> fds;
    fds.reserve(items.size());
    for (const FdWaitItem& item : items) fds.push_back({item.fd, POLLIN, 0});
    int r;
    do {
        r = poll(fds.data(), fds.size(), timeoutMs);
    } while (r < 0 && errno == EINTR);
    if (r < 0) return errno;
    for (std::size_t i = 0; i < items.size(); ++i) {
        items[i].readable = fds[i].revents & POLLIN;
        items[i].hangup = fds[i].revents & (POLLHUP | POLLERR | POLLNVAL);
    }
    return 0;
}

int ReadAvailable(int fd, void* buffer, std::size_t size, std::size_t* got) {
    *got = 0;
    for (;;) {
        ssize_t n = read(fd, buffer, size);
        if (n > 0) {
            *got = static_cast<std::size_t>(n);
            return 0;
        }
        if (n == 0) return EPIPE;
        if (errno == EINTR) continue;
        if (errno == EAGAIN) return 0;
        return errno == EIO ? EPIPE : errno;
    }
}

int WriteAll(int fd, const void* data, std::size_t size) {
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t n = write(fd, bytes, size);
        if (n > 0) {
            bytes += n;
            size -= static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EAGAIN) {
            pollfd p{fd, POLLOUT, 0};
            poll(&p, 1, 1000);
        } else if (n < 0 && errno != EINTR) {
            return errno;
        }
    }
    return 0;
}

} // namespace dsp
