#include "main/sim/simulated_line.h"

#include <span>

#include "main/sim/unit_simulator.h"

namespace dsp {

int SimulatedLine::Write(const void* data, std::size_t count, std::size_t* written) {
    simulator_.Feed(std::span(static_cast<const std::uint8_t*>(data), count));
    return SilentSerialDevice::Write(data, count, written);
}

}  // namespace dsp
