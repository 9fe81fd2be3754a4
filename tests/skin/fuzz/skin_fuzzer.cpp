// libFuzzer target over the skin package reader, the ini reader and the data
// objects (see skin_fuzz_entry.h).
#include "tests/skin/fuzz/skin_fuzz_entry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    dsp::FuzzSkinInput(data, size);
    return 0;
}
