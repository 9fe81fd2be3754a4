// Replays the committed fuzz corpus through the fuzzer's entry with the
// normal compiler, so every input the fuzzer ever kept stays handled.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/skin/fuzz/skin_fuzz_entry.h"

namespace dsp {
namespace {

TEST(SkinFuzzCorpus, EveryInputIsHandledAndTheSeedsAreAccepted) {
    std::filesystem::path corpus = std::filesystem::path(DSP_TEST_DATA) / "corpus";
    int inputs = 0;
    int seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        std::ifstream file(entry.path(), std::ios::binary);
        std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                        std::istreambuf_iterator<char>());
        int result = FuzzSkinInput(bytes.data(), bytes.size());
        EXPECT_TRUE(result == 0 || result == 1) << entry.path();
        ++inputs;
        if (entry.path().filename().string().rfind("seed-", 0) == 0) {
            ++seeds;
            EXPECT_EQ(result, 0) << "seed refused: " << entry.path();
        }
    }
    EXPECT_GE(seeds, 5);
    EXPECT_GE(inputs, seeds);
}

}  // namespace
}  // namespace dsp
