// The simulator's decoding and printing, apart from its line loop (which
// waits on descriptors), so that a simulator fed in-process has them too.

#include <ostream>
#include <vector>

#include "main/sim/unit_simulator.h"

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
