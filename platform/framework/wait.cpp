#include "platform/framework/wait.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace dsp {

int WaitReadable(std::span<const int> fds, int timeoutMs, std::vector<bool>& ready) {
    std::vector<pollfd> polls;
    for (int fd : fds) polls.push_back({fd, POLLIN, 0});
    ready.assign(fds.size(), false);
    int n = ::poll(polls.data(), polls.size(), timeoutMs);
    if (n < 0) return errno == EINTR ? 0 : errno;
    for (size_t i = 0; i < polls.size(); ++i)
        ready[i] = (polls[i].revents & (POLLIN | POLLHUP | POLLERR)) != 0;
    return 0;
}

WakeSignal::WakeSignal() {
    fd_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (fd_ < 0) throw std::runtime_error("eventfd failed: errno " + std::to_string(errno));
}

WakeSignal::~WakeSignal() {
    if (fd_ >= 0) ::close(fd_);
}

void WakeSignal::Signal() {
    uint64_t one = 1;
    // A full counter (EAGAIN) still wakes the loop, so the result is moot.
    [[maybe_unused]] ssize_t n = ::write(fd_, &one, sizeof one);
}

void WakeSignal::Clear() {
    uint64_t value = 0;
    [[maybe_unused]] ssize_t n = ::read(fd_, &value, sizeof value);
}

}  // namespace dsp
