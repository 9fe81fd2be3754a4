#pragma once
// SerialDevice over the Win32 communications interface, with overlapped I/O
// on one handle: the monitoring thread's event wait and a send from the main
// thread each have their own OVERLAPPED and event.
//
// Every operation returns 0 or the GetLastError code of the call that failed
// (ECANCELED from WaitEvents when the stop signal won).
//
// Drivers that cannot wait for line events (Wine on a pseudo-terminal fails
// WaitCommEvent at once with ERROR_NOT_SUPPORTED for the error and modem
// line events, and ends every wait with ERROR_OPERATION_ABORTED) are watched
// by looking at the queues instead: "received characters" when the input
// queue grew, "transmit queue empty" when the output queue drained, at
// kQueueLookMs intervals and without busy waiting. Line errors and modem line
// changes are then not reported, and a line without modem signals reads as
// all lines off.

#include <atomic>
#include <cstdint>
#include <string>

#include "platform/serialdev/port_map.h"
#include "platform/serialdev/serial_device.h"

namespace dsp {

// ERROR_NOT_SUPPORTED, for what the Windows build cannot open.
inline constexpr int kErrorNotSupported = 50;

class Win32SerialDevice final : public SerialDevice {
  public:
    explicit Win32SerialDevice(PortMap map = {}) : map_(std::move(map)) {}
    ~Win32SerialDevice() override;

    static constexpr int kQueueLookMs = 20;

    // `name` as the component gives it ("\\.\COM5"), mapped through the
    // port map; CreateFileA gets the device it names.
    int Open(const std::string& name) override;
    void Close() override;
    bool IsOpen() const override { return handle_ != nullptr; }

    int SetQueueSizes(int inputSize, int outputSize) override;
    int SetLine(const SerialLineSettings& settings) override;
    int SetTimeouts(const SerialTimeouts& timeouts) override;
    int Purge(std::uint32_t flags) override;
    int Write(const void* data, std::size_t count, std::size_t* written) override;
    int Read(void* data, std::size_t count, std::size_t* got) override;
    int PendingInput(int* count) override;
    int TakeLineErrors(std::uint32_t* errors) override;
    int ModemStatus(std::uint32_t* status) override;
    int WaitEvents(std::uint32_t mask, const StopSignal& stop, std::uint32_t* events) override;

    // The DCB flags word SetLine builds (fBinary 0x0001 ... fRtsControl).
    static std::uint32_t DcbFlags(const SerialLineSettings& settings);
    // Whether the queue watch stands in for the driver's event wait.
    bool WatchingQueues() const { return watchQueues_; }

  private:
    int Transfer(bool write, void* data, std::size_t count, std::size_t* done);
    int DriverWait(std::uint32_t mask, const StopSignal& stop, std::uint32_t* events);
    int QueueWatch(std::uint32_t mask, const StopSignal& stop, std::uint32_t* events);

    PortMap map_;
    void* handle_ = nullptr;  // HANDLE; null while closed
    std::uint32_t setMask_ = 0xFFFFFFFFu;
    std::atomic<bool> watchQueues_{false};
    std::atomic<int> readsInFlight_{0};  // overlapped transfers outstanding
    std::atomic<int> writesInFlight_{0};
    // Owned by the waiting thread.
    unsigned aborts_ = 0;
    std::uint32_t lastInQueue_ = 0;
    std::uint32_t lastOutQueue_ = 0;
};

}  // namespace dsp
