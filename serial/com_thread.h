#pragma once
// TComThread: the monitoring thread of an open port. It waits for the line
// events the port watches and delivers each batch as the port's SyncMethod
// says: handed to the user-interface thread and waited for (smThreadSync),
// handled on this thread (smNone), or posted event by event to the opening
// thread, which releases the thread before it handles the event
// (smWindowSync).
//
// Destruction stops the thread and waits for it; while the waiting thread
// owns the dispatcher it keeps serving it, so a batch already handed over is
// still handled (with the port still open) and the wait cannot deadlock.

#include <atomic>
#include <thread>

#include "platform/serialdev/stop_signal.h"
#include "serial/com_types.h"

namespace dsp {

class TCustomComPort;

class TComThread {
public:
    explicit TComThread(TCustomComPort* port);
    ~TComThread();
    TComThread(const TComThread&) = delete;
    TComThread& operator=(const TComThread&) = delete;

    // Sets the stop signal; the thread ends after its current delivery.
    void Stop();
    bool Finished() const { return finished_; }

private:
    void Execute();
    void Deliver(TComEvents events);

    TCustomComPort* port_;
    StopSignal stop_;
    TComEvents events_;
    std::atomic<bool> finished_{false};
    std::thread thread_;
};

} // namespace dsp
