#pragma once
// Time for timers. The program reads the monotonic clock; tests use FakeClock
// and move it by exact amounts, so no test ever sleeps.

#include <cstdint>

namespace dsp {

// Milliseconds on a monotonic scale.
using TimeMs = int64_t;

class Clock {
  public:
    virtual ~Clock() = default;
    virtual TimeMs Now() const = 0;
};

class MonotonicClock final : public Clock {
  public:
    TimeMs Now() const override;
};

class FakeClock final : public Clock {
  public:
    explicit FakeClock(TimeMs start = 0) : now_(start) {}
    TimeMs Now() const override { return now_; }
    void Set(TimeMs now) { now_ = now; }
    void Advance(TimeMs ms) { now_ += ms; }

  private:
    TimeMs now_;
};

}  // namespace dsp
