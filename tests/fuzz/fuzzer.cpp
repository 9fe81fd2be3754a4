// One libFuzzer program per target of the table; DSP_FUZZ_TARGET names it.
#include <cstdlib>

#include "tests/fuzz/fuzz_targets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const dsp::FuzzTarget* const target = dsp::FindFuzzTarget(DSP_FUZZ_TARGET);
    if (target == nullptr) std::abort();
    target->entry(data, size);
    return 0;
}
