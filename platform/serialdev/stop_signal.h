#pragma once
// A stop signal that a waiting loop can wait on: an eventfd (Linux) or a
// manual-reset event (Windows) that stays signalled from Signal() until
// Reset(). Signal() may be called from any thread.

#include "platform/sys/waitable.h"

namespace dsp {

class StopSignal {
  public:
    StopSignal();
    ~StopSignal();
    StopSignal(const StopSignal&) = delete;
    StopSignal& operator=(const StopSignal&) = delete;

    // 0 or the system's error of creating it.
    int Error() const { return error_; }
    Waitable Handle() const { return handle_; }
#if !defined(_WIN32)
    int Fd() const { return handle_; }
#endif

    void Signal() const;
    void Reset() const;
    bool IsSignalled() const;

  private:
    Waitable handle_ = kNoWaitable;
    int error_ = 0;
};

}  // namespace dsp
