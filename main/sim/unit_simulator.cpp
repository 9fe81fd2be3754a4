#include "main/sim/unit_simulator.h"

#include <ostream>
#include <vector>

namespace dsp {

void UnitSimulator::Feed(std::span<const std::uint8_t> bytes) {
    std::vector<Frame> frames;
    decoder_.Feed(bytes, frames);
    for (const Frame& frame : frames) {
        state_.Apply(frame);
        out_ << DescribeFrame(frame) << '\n' << std::flush;
    }
}

void UnitSimulator::PrintState() { state_.PrintTable(out_, decoder_.SkippedBytes()); }

}  // namespace dsp
