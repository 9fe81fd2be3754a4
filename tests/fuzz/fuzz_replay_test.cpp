// Replays each target's committed corpus through its entry with the normal
// compiler: every input the fuzzers kept (and every crash they found) stays
// handled, and the hand-made seeds stay accepted. The seeds go first and the
// rest by name, so a target that keeps state between inputs (the headless
// window) sees the same sequence every run.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/fuzz/fuzz_targets.h"

namespace dsp {
namespace {

namespace fs = std::filesystem;

bool IsSeed(const fs::path& path) { return path.filename().string().starts_with("seed-"); }

std::vector<fs::path> InReplayOrder(const fs::path& corpus) {
    std::vector<fs::path> inputs;
    for (const auto& entry : fs::directory_iterator(corpus)) inputs.push_back(entry.path());
    std::sort(inputs.begin(), inputs.end(), [](const fs::path& a, const fs::path& b) {
        return IsSeed(a) != IsSeed(b) ? IsSeed(a) : a < b;
    });
    return inputs;
}

class FuzzCorpus : public ::testing::TestWithParam<FuzzTarget> {};

TEST_P(FuzzCorpus, EveryInputIsHandledAndTheSeedsAreAccepted) {
    const FuzzTarget& target = GetParam();
    const fs::path corpus = fs::path(DSP_TEST_DATA) / "corpus" / std::string(target.name);
    ASSERT_TRUE(fs::is_directory(corpus)) << corpus;
    EXPECT_TRUE(fs::exists(fs::path(DSP_TEST_DATA) / "dict" / (std::string(target.name) + ".dict")));
    int inputs = 0;
    int seeds = 0;
    for (const fs::path& path : InReplayOrder(corpus)) {
        std::ifstream file(path, std::ios::binary);
        const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                              std::istreambuf_iterator<char>());
        const int result = target.entry(bytes.data(), bytes.size());
        EXPECT_TRUE(result == 0 || result == 1) << path;
        ++inputs;
        if (IsSeed(path)) {
            ++seeds;
            EXPECT_EQ(result, 0) << "seed refused: " << path;
        }
    }
    EXPECT_GE(seeds, 2);
    EXPECT_LE(inputs, 80) << "keep the corpus small: merge it with -merge=1";
}

INSTANTIATE_TEST_SUITE_P(Readers, FuzzCorpus, ::testing::ValuesIn(FuzzTargets().begin(), FuzzTargets().end()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace dsp
