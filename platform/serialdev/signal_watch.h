#pragma once
// Requests to end (and, for the unit simulator, to print its state) as an
// event a loop can wait on.
// Linux: SIGINT and SIGTERM (and SIGUSR1) are blocked in the whole process
// and read from a signalfd instead. Create it before any thread starts, so
// every thread inherits the blocked mask.
// Windows: the console's Ctrl+C, Ctrl+Break and close events, and the end of
// the session, reported as SIGINT, SIGBREAK and SIGTERM. Ctrl+Break asks for
// the status where that is watched for (there is no SIGUSR1), else it is
// reported as SIGINT. One watch at a time per process.

#include <csignal>

#include "platform/sys/waitable.h"

namespace dsp {

class SignalWatch {
  public:
    enum class Watch { End, EndAndStatus };
    explicit SignalWatch(Watch watch = Watch::EndAndStatus);
    ~SignalWatch();
    SignalWatch(const SignalWatch&) = delete;
    SignalWatch& operator=(const SignalWatch&) = delete;

    int Error() const { return error_; }
    // Signalled while a request is pending.
    Waitable Handle() const { return handle_; }
#if !defined(_WIN32)
    int Fd() const { return handle_; }
#endif

    // The next pending signal number, or 0 when none is pending.
    int Take();

    static bool IsStatusRequest(int signo);
    static bool IsEndRequest(int signo);

  private:
#if !defined(_WIN32)
    sigset_t set_;
#endif
    Waitable handle_ = kNoWaitable;
    int error_ = 0;
};

}  // namespace dsp
