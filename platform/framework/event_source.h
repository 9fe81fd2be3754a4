#pragma once
// Something besides the window host that the message loop must serve, such as
// the run-on-main-thread queue of the serial component: it signals WakeFd
// when it has work, and the loop then calls Drain on the UI thread.

namespace dsp {

class EventSource {
public:
    virtual ~EventSource() = default;
    virtual int WakeFd() const = 0;
    virtual void Drain() = 0;
};

}  // namespace dsp
