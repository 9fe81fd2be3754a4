#pragma once
// What the message loop and the threads that wake it wait on: a descriptor
// on Linux, a kernel object HANDLE on Windows. The loop waits on a few of them
// at once; a WakeSignal is one that any thread may set.

#include <span>
#include <vector>

namespace dsp {

#if defined(_WIN32)
using Waitable = void*;  // HANDLE
inline constexpr Waitable kNoWaitable = nullptr;
#else
using Waitable = int;  // file descriptor
inline constexpr Waitable kNoWaitable = -1;
#endif

// Waits until one of the items is signalled (readable) or timeoutMs passes
// (negative: no limit); on Windows a window message for the thread wakes it
// too. Sets ready[i] for each signalled one. Returns 0 or the system's error
// (an interruption by a signal counts as a plain wake-up).
int WaitAny(std::span<const Waitable> items, int timeoutMs, std::vector<bool>& ready);

// True when the item is signalled now (a wait of no time).
bool IsSignalled(Waitable item);

// Wakes a waiting loop from any thread: signalled from Signal() until Clear().
class WakeSignal {
  public:
    WakeSignal();
    ~WakeSignal();
    WakeSignal(const WakeSignal&) = delete;
    WakeSignal& operator=(const WakeSignal&) = delete;

    Waitable Handle() const { return handle_; }
    void Signal() const;
    void Clear() const;

  private:
    Waitable handle_ = kNoWaitable;
};

}  // namespace dsp
