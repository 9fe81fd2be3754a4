#pragma once
// A serial device whose far end is the unit simulator in the same process:
// what the port writes is decoded and printed at once, and the line never
// sends anything back (the unit does not either). It serves --simulate where
// the system has no pseudo-terminal pair to put between the two.

#include "platform/serialdev/serial_device.h"

namespace dsp {

class UnitSimulator;

class SimulatedLine final : public SerialDevice {
  public:
    // The simulator outlives the device. Writes come from the thread that
    // owns the port, as every write of the panel does.
    explicit SimulatedLine(UnitSimulator& simulator) : simulator_(simulator) {}

    int Open(const std::string& name) override;
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }
    int SetQueueSizes(int, int) override { return 0; }
    int SetLine(const SerialLineSettings&) override { return 0; }
    int SetTimeouts(const SerialTimeouts&) override { return 0; }
    int Purge(std::uint32_t) override { return 0; }
    int Write(const void* data, std::size_t count, std::size_t* written) override;
    int Read(void*, std::size_t, std::size_t* got) override;
    int PendingInput(int* count) override;
    int TakeLineErrors(std::uint32_t* errors) override;
    int ModemStatus(std::uint32_t* status) override;
    // Nothing ever happens on the line: waits for the stop signal alone.
    int WaitEvents(std::uint32_t mask, const StopSignal& stop, std::uint32_t* events) override;

  private:
    UnitSimulator& simulator_;
    bool open_ = false;
};

}  // namespace dsp
