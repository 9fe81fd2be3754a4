// One libFuzzer program per target of the table; DSP_FUZZ_TARGET names it.
#include <sanitizer/lsan_interface.h>

#include <cstdlib>

#include "tests/fuzz/fuzz_targets.h"

namespace {

const dsp::FuzzTarget& Target() {
    static const dsp::FuzzTarget* const target = dsp::FindFuzzTarget(DSP_FUZZ_TARGET);
    if (target == nullptr) std::abort();
    return *target;
}

}  // namespace

// An empty input first, before any input is watched for leaks: a target that
// keeps state for the whole process (the headless window) builds it here.
// What is made meanwhile is never taken for a leak: the font configuration
// holds its blocks through encoded offsets the leak checker cannot follow,
// so while it lives they look lost (they are all freed with it at exit).
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    __lsan_disable();
    Target().entry(nullptr, 0);
    __lsan_enable();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Target().entry(data, size);
    return 0;
}
