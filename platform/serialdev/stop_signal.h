#pragma once
// A stop signal that a poll loop can wait on: an eventfd that stays readable
// from Signal() until Reset(). Signal() may be called from any thread.

namespace dsp {

class StopSignal {
public:
    StopSignal();
    ~StopSignal();
    StopSignal(const StopSignal&) = delete;
    StopSignal& operator=(const StopSignal&) = delete;

    // 0 or the errno of creating the eventfd.
    int Error() const { return error_; }
    int Fd() const { return fd_; }

    void Signal() const;
    void Reset() const;
    bool IsSignalled() const;

private:
    int fd_ = -1;
    int error_ = 0;
};

} // namespace dsp
