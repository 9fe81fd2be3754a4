// Replays each target's committed corpus through its entry with the normal
// compiler: every input the fuzzers kept (and every crash they found) stays
// handled, and the hand-made seeds stay accepted.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/fuzz/fuzz_targets.h"

namespace dsp {
namespace {

namespace fs = std::filesystem;

class FuzzCorpus : public ::testing::TestWithParam<FuzzTarget> {};

TEST_P(FuzzCorpus, EveryInputIsHandledAndTheSeedsAreAccepted) {
    const FuzzTarget& target = GetParam();
    const fs::path corpus = fs::path(DSP_TEST_DATA) / "corpus" / std::string(target.name);
    ASSERT_TRUE(fs::is_directory(corpus)) << corpus;
    EXPECT_TRUE(fs::exists(fs::path(DSP_TEST_DATA) / "dict" / (std::string(target.name) + ".dict")));
    int inputs = 0;
    int seeds = 0;
    for (const auto& entry : fs::directory_iterator(corpus)) {
        std::ifstream file(entry.path(), std::ios::binary);
        const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                              std::istreambuf_iterator<char>());
        const int result = target.entry(bytes.data(), bytes.size());
        EXPECT_TRUE(result == 0 || result == 1) << entry.path();
        ++inputs;
        if (entry.path().filename().string().starts_with("seed-")) {
            ++seeds;
            EXPECT_EQ(result, 0) << "seed refused: " << entry.path();
        }
    }
    EXPECT_GE(seeds, 2);
    EXPECT_LE(inputs, 80) << "keep the corpus small: merge it with -merge=1";
}

INSTANTIATE_TEST_SUITE_P(Readers, FuzzCorpus, ::testing::ValuesIn(FuzzTargets().begin(), FuzzTargets().end()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace dsp
