#pragma once
// The blocking wait of the message loop and its cross-thread wake-up, each
// system call wrapped once.

#include <span>
#include <vector>

namespace dsp {

// Waits until one of the descriptors is readable or timeoutMs passes
// (negative: no limit). Sets ready[i] for each readable one. Returns 0 or the
// errno of poll (EINTR counts as a plain wake-up).
int WaitReadable(std::span<const int> fds, int timeoutMs, std::vector<bool>& ready);

// An eventfd that any thread may signal to wake the loop.
class WakeSignal {
  public:
    WakeSignal();
    ~WakeSignal();
    WakeSignal(const WakeSignal&) = delete;
    WakeSignal& operator=(const WakeSignal&) = delete;

    int Fd() const { return fd_; }
    void Signal();
    void Clear();

  private:
    int fd_ = -1;
};

}  // namespace dsp
