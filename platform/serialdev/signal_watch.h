#pragma once
// Signals as readable events: SIGINT and SIGTERM (and, for the unit
// simulator, SIGUSR1) are blocked in the whole process and read from a
// signalfd instead. Create it before any thread starts, so every thread
// inherits the blocked mask.

#include <csignal>

namespace dsp {

class SignalWatch {
  public:
    enum class Watch { End, EndAndStatus };
    explicit SignalWatch(Watch watch = Watch::EndAndStatus);
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
    sigset_t set_;
    int fd_ = -1;
    int error_ = 0;
};

}  // namespace dsp
