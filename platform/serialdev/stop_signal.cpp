#include "platform/serialdev/stop_signal.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

namespace dsp {

StopSignal::StopSignal() {
    handle_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (handle_ < 0) error_ = errno;
}

StopSignal::~StopSignal() {
    if (handle_ >= 0) close(handle_);
}

void StopSignal::Signal() const {
    std::uint64_t one = 1;
    // The counter only saturates after 2^64 - 2 signals; a failed write can
    // only mean it is already readable.
    [[maybe_unused]] ssize_t n = write(handle_, &one, sizeof one);
}

void StopSignal::Reset() const {
    std::uint64_t value = 0;
    [[maybe_unused]] ssize_t n = read(handle_, &value, sizeof value);
}

bool StopSignal::IsSignalled() const {
    pollfd p{handle_, POLLIN, 0};
    return poll(&p, 1, 0) > 0 && (p.revents & POLLIN);
}

}  // namespace dsp
