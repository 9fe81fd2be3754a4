#pragma once
// A serial device whose far end is the unit simulator in the same process:
// what the port writes is decoded and printed at once, and the line never
// sends anything back (the unit does not either). It serves --simulate where
// the system has no pseudo-terminal pair to put between the two.

#include "platform/serialdev/silent_serial_device.h"

namespace dsp {

class UnitSimulator;

class SimulatedLine final : public SilentSerialDevice {
  public:
    // The simulator outlives the device. Writes come from the thread that
    // owns the port, as every write of the panel does.
    explicit SimulatedLine(UnitSimulator& simulator) : simulator_(simulator) {}

    int Write(const void* data, std::size_t count, std::size_t* written) override;

  private:
    UnitSimulator& simulator_;
};

}  // namespace dsp
