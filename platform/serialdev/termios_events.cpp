// The event wait of TermiosSerialDevice: poll on the device, the stop signal
// and the write wake-up, turning what changed into line events.

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>

#include "platform/serialdev/termios_device.h"

namespace dsp {
namespace {

constexpr std::uint32_t kInputEvents = serial_event::kRxChar | serial_event::kRx80Full;
constexpr std::uint32_t kModemEvents =
    serial_event::kCts | serial_event::kDsr | serial_event::kRing | serial_event::kRlsd;
constexpr std::uint32_t kCounterEvents = serial_event::kErr | serial_event::kBreak;

// Modem lines and error counters have no wake-up that poll can wait on
// together with the stop signal, so they are looked at this often; drivers
// without them (pseudo-terminals) are never polled.
constexpr int kLinePollMs = 50;
// How often the output queue is looked at until it has drained after a write.
constexpr int kDrainPollMs = 5;

} // namespace

int TermiosSerialDevice::PollTimeout(std::uint32_t mask) const {
    int timeout = -1;
    auto atMost = [&timeout](int ms) { timeout = (timeout < 0) ? ms : std::min(timeout, ms); };
    if (txPending_ && (mask & serial_event::kTxEmpty)) atMost(kDrainPollMs);
    if (hungUp_) return timeout;
    if (inputHeld_ && (mask & kInputEvents)) atMost(kLinePollMs);
    if (hasModemLines_ && (mask & kModemEvents)) atMost(kLinePollMs);
    if (hasCounters_ && (mask & kCounterEvents)) atMost(kLinePollMs);
    return timeout;
}

int TermiosSerialDevice::WaitEvents(std::uint32_t mask, const StopSignal& stop, std::uint32_t* events) {
    *events = 0;
    if (fd_ < 0) return EBADF;
    for (;;) {
        bool watchInput = (mask & kInputEvents) && !inputHeld_;
        pollfd fds[3] = {{stop.Fd(), POLLIN, 0}, {txWake_.Fd(), POLLIN, 0}, {-1, 0, 0}};
        // Once hung up the device stays readable for ever; it is left out so
        // the loop sleeps until the port is closed.
        if (!hungUp_) fds[2] = {fd_, static_cast<short>(watchInput ? POLLIN : 0), 0};
        int r = poll(fds, 3, PollTimeout(mask));
        if (r < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (fds[0].revents) return ECANCELED; // the stop always wins
        if (fds[1].revents) txWake_.Reset();
        std::uint32_t found = 0;
        if (fds[2].revents & (POLLHUP | POLLERR | POLLNVAL)) {
            hungUp_ = true;
            found |= serial_event::kErr;
        } else if (!hungUp_) {
            found |= CheckInput(mask) | CheckModem(mask) | CheckCounters(mask);
        }
        found |= CheckOutput();
        found &= mask;
        if (found != 0) {
            *events = found;
            return 0;
        }
    }
}

std::uint32_t TermiosSerialDevice::CheckInput(std::uint32_t mask) {
    if (!(mask & kInputEvents)) return 0;
    int count = 0;
    if (ioctl(fd_, FIONREAD, &count) != 0) return 0;
    std::uint32_t found = 0;
    if (count > lastInput_) found |= serial_event::kRxChar;
    int threshold = inputSize_ / 10 * 8;
    if (threshold > 0 && count >= threshold && lastInput_ < threshold) found |= serial_event::kRx80Full;
    lastInput_ = count;
    inputHeld_ = count > 0;
    return found;
}

std::uint32_t TermiosSerialDevice::CheckOutput() {
    if (!txPending_) return 0;
    int queued = 0;
    if (ioctl(fd_, TIOCOUTQ, &queued) == 0 && queued > 0 && !hungUp_) return 0;
    txPending_ = false;
    return serial_event::kTxEmpty;
}

std::uint32_t TermiosSerialDevice::CheckModem(std::uint32_t mask) {
    if (!hasModemLines_ || !(mask & kModemEvents)) return 0;
    std::uint32_t now = 0;
    if (ModemStatus(&now) != 0) return 0;
    std::uint32_t changed = now ^ lastModem_;
    lastModem_ = now;
    std::uint32_t found = 0;
    if (changed & modem_status::kCts) found |= serial_event::kCts;
    if (changed & modem_status::kDsr) found |= serial_event::kDsr;
    if (changed & modem_status::kRlsd) found |= serial_event::kRlsd;
    if (changed & now & modem_status::kRing) found |= serial_event::kRing;
    return found;
}

std::uint32_t TermiosSerialDevice::CheckCounters(std::uint32_t mask) {
    if (!hasCounters_ || !(mask & kCounterEvents)) return 0;
    Counters now;
    if (ReadCounters(&now) != 0) return 0;
    Counters& was = eventCounters_;
    std::uint32_t found = 0;
    if (now.brk != was.brk) found |= serial_event::kBreak;
    if (now.frame != was.frame || now.parity != was.parity || now.overrun != was.overrun ||
        now.bufOverrun != was.bufOverrun)
        found |= serial_event::kErr;
    was = now;
    return found;
}

} // namespace dsp
