#include "serial/com_thread.h"

#include "serial/com_event_map.h"
#include "serial/custom_com_port.h"

namespace dsp {

TComThread::TComThread(TCustomComPort* port) : port_(port) {
    if (stop_.Error() != 0) throw EComPort(CE_OPEN_FAILED, stop_.Error());
    thread_ = std::thread([this] { Execute(); });
}

TComThread::~TComThread() {
    Stop();
    MainThreadQueue& dispatcher = port_->Dispatcher();
    if (dispatcher.IsOwnerThread()) dispatcher.ServeUntil([this] { return finished_.load(); });
    thread_.join();
}

void TComThread::Stop() {
    stop_.Signal();
    std::this_thread::yield();
}

void TComThread::Execute() {
    SerialDevice& device = *port_->device_;
    const std::uint32_t mask = EventsToMask(port_->Events());
    try {
        for (;;) {
            std::uint32_t raw = 0;
            // Ends on the stop signal (ECANCELED) and when the wait fails.
            if (device.WaitEvents(mask, stop_, &raw) != 0) break;
            events_ = MaskToEvents(raw);
            Deliver(events_);
        }
    } catch (...) {
        // A failed query or handler ends monitoring; the port stays open and
        // sending still works.
    }
    // The driver's queues are emptied; received bytes nobody read go with it.
    device.Purge(purge::kTxClear | purge::kRxClear);
    finished_ = true;
    port_->Dispatcher().Wake();
}

void TComThread::Deliver(TComEvents events) {
    TCustomComPort* port = port_;
    switch (port->SyncMethod()) {
    case smThreadSync:
        port->Dispatcher().RunAndWait([port, events] { port->HandleEvents(events); });
        break;
    case smNone:
        port->HandleEvents(events);
        break;
    case smWindowSync:
        for (TComEvent event : kComEventHandlingOrder) {
            if (!events.Contains(event)) continue;
            std::uint32_t code = kComEventTable[static_cast<std::size_t>(event)].maskBit;
            port->Dispatcher().PostAndWaitTaken([port, code] { port->HandleWindowMessage(code); });
        }
        break;
    }
}

} // namespace dsp
