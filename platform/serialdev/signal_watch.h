#pragma once
// Signals as readable events: SIGINT, SIGTERM and SIGUSR1 are blocked in the
// whole process and read from a signalfd instead. Create it before any thread
// starts, so every thread inherits the blocked mask.

namespace dsp {

class SignalWatch {
public:
    SignalWatch();
    ~SignalWatch();
    SignalWatch(const SignalWatch&) = delete;
    SignalWatch& operator=(const SignalWatch&) = delete;

    int Error() const { return error_; }
    int Fd() const { return fd_; }

    // The next pending signal number, or 0 when none is pending.
    int Take();

    static bool IsStatusRequest(int signo);
    static bool IsEndRequest(int signo);

private:
    int fd_ = -1;
    int error_ = 0;
};

} // namespace dsp
