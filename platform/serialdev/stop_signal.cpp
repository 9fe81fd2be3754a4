#include "platform/serialdev/stop_signal.h"

#include <cerrno>
#include <cstdint>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace dsp {

StopSignal::StopSignal() {
    fd_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (fd_ < 0) error_ = errno;
}

StopSignal::~StopSignal() {
    if (fd_ >= 0) close(fd_);
}

void StopSignal::Signal() const {
    std::uint64_t one = 1;
    // The counter only saturates after 2^64 - 2 signals; a failed write can
    // only mean it is already readable.
    [[maybe_unused]] ssize_t n = write(fd_, &one, sizeof one);
}

void StopSignal::Reset() const {
    std::uint64_t value = 0;
    [[maybe_unused]] ssize_t n = read(fd_, &value, sizeof value);
}

bool StopSignal::IsSignalled() const {
    pollfd p{fd_, POLLIN, 0};
    return poll(&p, 1, 0) > 0 && (p.revents & POLLIN);
}

} // namespace dsp
