#pragma once
// What the simulated unit holds: the last value of every parameter it was
// sent, and the setting memories that "save" fills and "load" recalls.

#include <array>
#include <cstdint>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>

#include "main/protocol/frame.h"

namespace dsp {

// One frame as a line: "MAIN-VOL 31", "KEY b-5", "UNKNOWN 0x0C 12"; a value
// outside the parameter's range gets " (out of range)".
std::string DescribeFrame(const Frame& frame);

class UnitState {
public:
    using Values = std::array<std::optional<int>, 256>;

    // Takes one frame into the state.
    void Apply(const Frame& frame);

    std::optional<int> Value(std::uint8_t code) const { return values_[code]; }
    std::uint64_t FrameCount() const { return frames_; }
    std::uint64_t UnknownCount() const { return unknown_; }

    // Every parameter with its value ("-" when never sent), then the counts.
    void PrintTable(std::ostream& out, std::uint64_t skippedBytes) const;

private:
    void Store(int memory);
    void Recall(int memory);

    Values values_{};
    std::map<int, Values> memories_;
    std::uint64_t frames_ = 0;
    std::uint64_t unknown_ = 0;
};

} // namespace dsp
