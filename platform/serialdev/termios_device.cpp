#include "platform/serialdev/termios_device.h"

#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <optional>

#include "platform/serialdev/termios2_speed.h"

namespace dsp {
namespace {

using Clock = std::chrono::steady_clock;

struct SpeedCode {
    std::uint32_t rate;
    speed_t code;
};

constexpr SpeedCode kStandardSpeeds[] = {
    {50, B50},         {75, B75},         {110, B110},         {134, B134},         {150, B150},
    {200, B200},       {300, B300},       {600, B600},         {1200, B1200},       {1800, B1800},
    {2400, B2400},     {4800, B4800},     {9600, B9600},       {19200, B19200},     {38400, B38400},
    {57600, B57600},   {115200, B115200}, {230400, B230400},   {460800, B460800},   {500000, B500000},
    {576000, B576000}, {921600, B921600}, {1000000, B1000000}, {1500000, B1500000}, {2000000, B2000000},
};

const SpeedCode* FindStandardSpeed(std::uint32_t rate) {
    for (const SpeedCode& s : kStandardSpeeds)
        if (s.rate == rate) return &s;
    return nullptr;
}

// Drivers without modem lines or counters (pseudo-terminals, some adapters).
bool NotSupported(int error) { return error == ENOTTY || error == EINVAL; }

// A deadline in milliseconds from now; none when both parts are 0, as the
// classic timeouts have it.
std::optional<Clock::time_point> Deadline(std::uint32_t constant, std::uint64_t perByte, std::size_t count) {
    if (constant == 0 && perByte == 0) return std::nullopt;
    std::uint64_t ms = constant + perByte * count;
    return Clock::now() + std::chrono::milliseconds(std::min<std::uint64_t>(ms, 1ull << 40));
}

int MillisecondsLeft(Clock::time_point deadline) {
    auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return static_cast<int>(std::clamp<long long>(left, 0, INT_MAX));
}

// Waits for `events` on fd until the deadline; returns the revents, 0 on timeout.
short WaitFd(int fd, short events, std::optional<Clock::time_point> deadline) {
    for (;;) {
        pollfd p{fd, events, 0};
        int r = poll(&p, 1, deadline ? MillisecondsLeft(*deadline) : -1);
        if (r >= 0) return r == 0 ? 0 : p.revents;
        if (errno != EINTR) return POLLERR;
    }
}

}  // namespace

TermiosSerialDevice::TermiosSerialDevice(PortMap map) : map_(std::move(map)) {}

TermiosSerialDevice::~TermiosSerialDevice() { Close(); }

int TermiosSerialDevice::Open(const std::string& name) {
    if (fd_ >= 0) return EBUSY;
    std::string path = map_.Resolve(name);
    if (path.empty()) return ENOENT;
    int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno;  // the caller words it (OpenFailureReason)
    int error = 0;
    if (!isatty(fd))
        error = ENOTTY;
    else if (flock(fd, LOCK_EX | LOCK_NB) != 0)
        error = (errno == EWOULDBLOCK) ? EBUSY : errno;
    else if (ioctl(fd, TIOCEXCL) != 0)
        error = errno;
    if (error != 0) {
        close(fd);
        return error;
    }
    fd_ = fd;
    path_ = std::move(path);
    if (int e = ApplyTermios(SerialLineSettings{}); e != 0) {
        Close();
        return e;
    }
    int lines = 0;
    hasModemLines_ = ioctl(fd_, TIOCMGET, &lines) == 0;
    Counters counters;
    hasCounters_ = ReadCounters(&counters) == 0;
    eventCounters_ = errorCounters_ = counters;
    lastModem_ = 0;
    if (hasModemLines_) ModemStatus(&lastModem_);
    ResetWatchState();
    return 0;
}

void TermiosSerialDevice::ResetWatchState() {
    hungUp_ = false;
    txPending_ = false;
    lastInput_ = 0;
    inputTaken_ = 0;
    inputHeld_ = false;
    txWake_.Reset();
}

void TermiosSerialDevice::Close() {
    if (fd_ < 0) return;
    ioctl(fd_, TIOCNXCL);  // the exclusive flag outlives us on a terminal others keep open
    close(fd_);            // also drops the flock
    fd_ = -1;
    path_.clear();
}

int TermiosSerialDevice::SetQueueSizes(int inputSize, int outputSize) {
    // Linux terminals size their queues themselves; the sizes are kept for
    // the 80 % full event and refused only when they make no sense.
    if (inputSize < 0 || outputSize < 0) return EINVAL;
    inputSize_ = inputSize;
    return 0;
}

int TermiosSerialDevice::SetLine(const SerialLineSettings& settings) {
    if (fd_ < 0) return EBADF;
    return ApplyTermios(settings);
}

int TermiosSerialDevice::ApplyTermios(const SerialLineSettings& s) {
    if (s.dataBits < 5 || s.dataBits > 8) return EINVAL;
    if (s.stopBits == LineStopBits::OneAndHalf) return EINVAL;  // no termios form
    termios t{};
    if (tcgetattr(fd_, &t) != 0) return errno;
    cfmakeraw(&t);
    t.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS | HUPCL);
    t.c_cflag |= CLOCAL | CREAD;
    static constexpr tcflag_t kSizes[] = {CS5, CS6, CS7, CS8};
    t.c_cflag |= kSizes[s.dataBits - 5];
    switch (s.parity) {
        case LineParity::None:
            break;
        case LineParity::Odd:
            t.c_cflag |= PARENB | PARODD;
            break;
        case LineParity::Even:
            t.c_cflag |= PARENB;
            break;
        case LineParity::Mark:
            t.c_cflag |= PARENB | CMSPAR | PARODD;
            break;
        case LineParity::Space:
            t.c_cflag |= PARENB | CMSPAR;
            break;
    }
    if (s.stopBits == LineStopBits::Two) t.c_cflag |= CSTOPB;
    bool hardwareFlow = s.outCtsFlow || s.rts == LineRts::Handshake;
    if (hardwareFlow) t.c_cflag |= CRTSCTS;
    // Breaks are reported through the counters, not as NUL bytes in the data.
    t.c_iflag |= IGNBRK;
    // Checking with replacement is INPCK, which replaces a bad byte with NUL
    // (the only replacement termios offers). Checking without replacement
    // passes the byte as received; the driver still counts the error.
    if (s.parityCheck && s.replaceOnParityError) t.c_iflag |= INPCK;
    if (s.xonXoffOut) t.c_iflag |= IXON;
    if (s.xonXoffIn) t.c_iflag |= IXOFF;
    t.c_cc[VSTART] = s.xonChar;
    t.c_cc[VSTOP] = s.xoffChar;
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    const SpeedCode* standard = FindStandardSpeed(s.baudRate);
    speed_t code = standard ? standard->code : B38400;
    cfsetispeed(&t, code);
    cfsetospeed(&t, code);
    if (tcsetattr(fd_, TCSANOW, &t) != 0) return errno;
    if (!standard) {
        if (s.baudRate == 0) return EINVAL;
        if (int e = SetArbitrarySpeed(fd_, s.baudRate); e != 0) return e;
    }
    ApplyModemControl(s, hardwareFlow);
    return 0;
}

void TermiosSerialDevice::ApplyModemControl(const SerialLineSettings& s, bool hardwareFlow) {
    // DTR handshake has no Linux form: the line is held active instead. RTS
    // toggle likewise: held inactive between writes. A device without modem
    // lines ignores all of this.
    int dtr = TIOCM_DTR;
    ioctl(fd_, s.dtr == LineDtr::Disable ? TIOCMBIC : TIOCMBIS, &dtr);
    if (hardwareFlow) return;  // CRTSCTS drives RTS
    int rts = TIOCM_RTS;
    ioctl(fd_, s.rts == LineRts::Enable ? TIOCMBIS : TIOCMBIC, &rts);
}

int TermiosSerialDevice::SetTimeouts(const SerialTimeouts& timeouts) {
    if (fd_ < 0) return EBADF;
    timeouts_ = timeouts;
    return 0;
}

int TermiosSerialDevice::Purge(std::uint32_t flags) {
    if (fd_ < 0) return EBADF;
    // Writes run to completion on their caller's thread, so there is never an
    // outstanding transfer to abort. Clearing the output is not done either: a
    // Linux write returns once the bytes are in the driver's queue, not on the
    // wire, so TCOFLUSH would throw away frames SendBytes already reported as
    // sent (on a pty it even empties the other side's unread input). Close
    // lets the driver drain them instead. Only received input is cleared.
    if (flags & purge::kRxClear) {
        if (tcflush(fd_, TCIFLUSH) != 0) return errno;
        inputTaken_ += 1 << 24;  // more than any queue holds: all of it
    }
    return 0;
}

int TermiosSerialDevice::Write(const void* data, std::size_t count, std::size_t* written) {
    *written = 0;
    if (fd_ < 0) return EBADF;
    auto deadline = Deadline(timeouts_.writeTotalConstant, timeouts_.writeTotalMultiplier, count);
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    std::size_t done = 0;
    int error = 0;
    while (done < count) {
        ssize_t n = write(fd_, bytes + done, count - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN) {
            error = errno;
            break;
        }
        // The driver's queue is full: wait for room until the total timeout.
        if (WaitFd(fd_, POLLOUT, deadline) == 0) break;
    }
    *written = done;
    // Wake the waiting loop only when it watches for the drain and does not
    // already know output is pending: one syscall less on most frames.
    if (done > 0 && !txPending_.exchange(true) && (watchMask_ & serial_event::kTxEmpty)) txWake_.Signal();
    return error;
}

int TermiosSerialDevice::Read(void* data, std::size_t count, std::size_t* got) {
    *got = 0;
    if (fd_ < 0) return EBADF;
    const SerialTimeouts& t = timeouts_;
    bool immediate = t.readInterval == 0xFFFFFFFFu && t.readTotalMultiplier == 0 && t.readTotalConstant == 0;
    auto deadline = Deadline(t.readTotalConstant, t.readTotalMultiplier, count);
    auto* bytes = static_cast<std::uint8_t*>(data);
    std::size_t done = 0;
    while (done < count) {
        ssize_t n = read(fd_, bytes + done, count - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n == 0) break;  // hung up: end of data
        if (errno == EINTR) continue;
        if (errno != EAGAIN) {
            *got = done;
            inputTaken_ += static_cast<int>(done);
            return errno;
        }
        if (immediate || (done > 0 && t.readInterval == 0xFFFFFFFFu)) break;
        auto until = deadline;
        if (done > 0 && t.readInterval != 0) {
            auto gap = Clock::now() + std::chrono::milliseconds(t.readInterval);
            until = until ? std::min(*until, gap) : gap;
        }
        if (WaitFd(fd_, POLLIN, until) == 0) break;
    }
    *got = done;
    inputTaken_ += static_cast<int>(done);
    return 0;
}

int TermiosSerialDevice::PendingInput(int* count) {
    *count = 0;
    if (fd_ < 0) return EBADF;
    if (hungUp_) return 0;
    if (ioctl(fd_, FIONREAD, count) != 0) return errno;
    return 0;
}

int TermiosSerialDevice::ReadCounters(Counters* c) const {
    serial_icounter_struct ic{};
    if (ioctl(fd_, TIOCGICOUNT, &ic) != 0) return errno;
    *c = {ic.frame, ic.parity, ic.overrun, ic.brk, ic.buf_overrun};
    return 0;
}

int TermiosSerialDevice::TakeLineErrors(std::uint32_t* errors) {
    *errors = 0;
    if (fd_ < 0) return EBADF;
    if (hungUp_) {
        *errors = line_error::kIo;
        return 0;
    }
    if (!hasCounters_) return 0;
    Counters now;
    if (int e = ReadCounters(&now); e != 0) {
        if (e == EIO) {
            hungUp_ = true;
            *errors = line_error::kIo;
            return 0;
        }
        return NotSupported(e) ? 0 : e;
    }
    std::lock_guard guard(errorLock_);
    Counters& was = errorCounters_;
    if (now.frame != was.frame) *errors |= line_error::kFrame;
    if (now.parity != was.parity) *errors |= line_error::kRxParity;
    if (now.overrun != was.overrun) *errors |= line_error::kOverrun;
    if (now.brk != was.brk) *errors |= line_error::kBreak;
    if (now.bufOverrun != was.bufOverrun) *errors |= line_error::kRxOver;
    was = now;
    return 0;
}

int TermiosSerialDevice::ModemStatus(std::uint32_t* status) {
    *status = 0;
    if (fd_ < 0) return EBADF;
    int lines = 0;
    if (ioctl(fd_, TIOCMGET, &lines) != 0) return NotSupported(errno) ? 0 : errno;
    if (lines & TIOCM_CTS) *status |= modem_status::kCts;
    if (lines & TIOCM_DSR) *status |= modem_status::kDsr;
    if (lines & TIOCM_RI) *status |= modem_status::kRing;
    if (lines & TIOCM_CD) *status |= modem_status::kRlsd;
    return 0;
}

int TermiosSerialDevice::CurrentSpeed(std::uint32_t* rate) const {
    if (fd_ < 0) return EBADF;
    return ReadLineSpeed(fd_, rate);
}

}  // namespace dsp
