#pragma once
// SerialDevice over a Linux terminal device (termios, ioctl, poll).
//
// Linux differences worth knowing, all decided here:
// - Queue sizes, DSR sensitivity, XonLim/XoffLim, DiscardNull, the DSR output
//   flow and "continue on Xoff" have no termios counterpart: they are stored
//   and the driver keeps its own behaviour.
// - Received bytes stay in the driver's queue; "received character" fires
//   when the queued count grows, not while bytes merely wait, so unread input
//   never makes the monitoring loop spin.
// - The event character cannot be seen without taking the bytes out of the
//   queue, so the event-character event is never raised.
// - A hung-up device (unplugged adapter, closed pty master) reports the line
//   error event once, and from then on TakeLineErrors reports an I/O error; the
//   loop stops watching the device, so it neither spins nor ends by itself.
// - Pseudo-terminals and some adapters have no modem lines and no error
//   counters (ENOTTY/EINVAL): that reads as "all lines off" and "no errors".

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

#include "platform/serialdev/port_map.h"
#include "platform/serialdev/serial_device.h"
#include "platform/serialdev/stop_signal.h"

namespace dsp {

class TermiosSerialDevice final : public SerialDevice {
  public:
    explicit TermiosSerialDevice(PortMap map = {});
    ~TermiosSerialDevice() override;

    int Open(const std::string& name) override;
    void Close() override;
    bool IsOpen() const override { return fd_ >= 0; }

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

    // For the unit simulator and tests: the descriptor, the path it opened,
    // and the output speed the terminal holds.
    int NativeHandle() const { return fd_; }
    const std::string& Path() const { return path_; }
    int CurrentSpeed(std::uint32_t* rate) const;

  private:
    struct Counters {
        int frame = 0, parity = 0, overrun = 0, brk = 0, bufOverrun = 0;
    };

    int ApplyTermios(const SerialLineSettings& settings);
    void ApplyModemControl(const SerialLineSettings& settings, bool hardwareFlow);
    int ReadCounters(Counters* counters) const;
    int PollTimeout(std::uint32_t mask) const;
    std::uint32_t CheckInput(std::uint32_t mask);
    std::uint32_t CheckOutput();
    std::uint32_t CheckModem(std::uint32_t mask);
    std::uint32_t CheckCounters(std::uint32_t mask);
    void ResetWatchState();

    PortMap map_;
    int fd_ = -1;
    std::string path_;
    SerialTimeouts timeouts_;
    std::atomic<int> inputSize_{1024};
    StopSignal txWake_;  // tells the waiting loop that a write queued output

    bool hasModemLines_ = false;
    bool hasCounters_ = false;
    std::atomic<bool> hungUp_{false};
    std::atomic<bool> txPending_{false};
    std::atomic<std::uint32_t> watchMask_{0};  // the mask of the current wait
    // Bytes taken out of the input queue (read or purged) since the waiting
    // loop last looked, so that taking and arriving cannot cancel out.
    std::atomic<int> inputTaken_{0};

    // Owned by the waiting loop.
    int lastInput_ = 0;
    bool inputHeld_ = false;
    std::uint32_t lastModem_ = 0;
    Counters eventCounters_;

    // Shared with TakeLineErrors callers.
    std::mutex errorLock_;
    Counters errorCounters_;
};

}  // namespace dsp
