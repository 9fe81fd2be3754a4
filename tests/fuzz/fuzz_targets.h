#pragma once
// The fuzz targets over every reader of outside data, in one table. Each
// entry takes one input and returns 0 when it was accepted, 1 when it was
// refused with the reader's own error. Anything else - a crash, another
// exception, a result that breaks the reader's promises - is a fault; the
// entries abort on a broken promise so the fuzzer records the input.
//
// The libFuzzer programs (one per target, -DFUZZ=ON) and the corpus replay
// test of the normal build both go through this table.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace dsp {

using FuzzEntry = int (*)(const std::uint8_t* data, std::size_t size);

struct FuzzTarget {
    std::string_view name;  // also the corpus and dictionary name
    FuzzEntry entry;
};

std::span<const FuzzTarget> FuzzTargets();
const FuzzTarget* FindFuzzTarget(std::string_view name);

// Aborts with `what` on stderr when `holds` is false.
void FuzzCheck(bool holds, const char* what);

}  // namespace dsp
