#include "platform/sys/waitable.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace dsp {

int WaitAny(std::span<const Waitable> items, int timeoutMs, std::vector<bool>& ready) {
    std::vector<pollfd> polls;
    for (Waitable fd : items) polls.push_back({fd, POLLIN, 0});
    ready.assign(items.size(), false);
    int n = ::poll(polls.data(), polls.size(), timeoutMs);
    if (n < 0) return errno == EINTR ? 0 : errno;
    for (size_t i = 0; i < polls.size(); ++i)
        ready[i] = (polls[i].revents & (POLLIN | POLLHUP | POLLERR)) != 0;
    return 0;
}

bool IsSignalled(Waitable item) {
    pollfd p{item, POLLIN, 0};
    return ::poll(&p, 1, 0) == 1 && (p.revents & POLLIN) != 0;
}

WakeSignal::WakeSignal() {
    handle_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (handle_ < 0) throw std::runtime_error("eventfd failed: errno " + std::to_string(errno));
}

WakeSignal::~WakeSignal() {
    if (handle_ >= 0) ::close(handle_);
}

void WakeSignal::Signal() const {
    uint64_t one = 1;
    // A full counter (EAGAIN) still wakes the loop, so the result is moot.
    [[maybe_unused]] ssize_t n = ::write(handle_, &one, sizeof one);
}

void WakeSignal::Clear() const {
    uint64_t value = 0;
    [[maybe_unused]] ssize_t n = ::read(handle_, &value, sizeof value);
}

}  // namespace dsp
