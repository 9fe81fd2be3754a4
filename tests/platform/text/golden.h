#pragma once
// Golden-picture comparison for looks that font rasterisation may change
// slightly between machines: a pixel matches when no channel differs by more
// than `tolerance`, and the picture matches when at most `budget` pixels do
// not. On a mismatch the actual picture and a diff picture (mismatches in red
// over a faded copy) go to $DSP_TEST_OUT. With DSP_UPDATE_GOLDEN=1 in the
// environment the golden file is rewritten instead.

#include <gtest/gtest.h>

#include <string>

#include "platform/graphics/bitmap.h"

namespace dsp {

struct GoldenOptions {
    int tolerance = 48;
    int budget = 0;
};

::testing::AssertionResult MatchesGolden(const Bitmap& actual, const std::string& goldenDir,
                                         const std::string& name, GoldenOptions options);

}  // namespace dsp
