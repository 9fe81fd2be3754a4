#pragma once
// Golden files: the pictures and texts a test's output is compared with,
// committed beside the test under golden/. With DSP_UPDATE_GOLDEN=1 in the
// environment every golden file is rewritten from the output instead of
// compared (scripts/update-goldens runs all tests that way).
//
// Pictures compare exactly unless text is drawn on them. Text may come out a
// shade different with another FreeType build or font set, so a picture with
// text allows `textTolerance` per channel on pixels that sit on an edge of
// the golden picture (a glyph, a line) and `budget` pixels beyond that (a
// glyph moved by one pixel). Flat areas must match exactly either way: a wrong
// fill colour always shows. On a mismatch the actual picture and a diff
// (mismatches in red over a faded copy) go to the test output folder.

#include <gtest/gtest.h>

#include <string>

#include "platform/graphics/bitmap.h"

namespace dsp::test {

struct GoldenOptions {
    int textTolerance = 0;
    int budget = 0;
};

// For pictures without text.
inline constexpr GoldenOptions kExactPicture{};

// True when DSP_UPDATE_GOLDEN=1: golden files are to be rewritten.
bool UpdatingGoldens();

// `goldenDir`/`name`.png against `actual`, or rewritten in update mode.
::testing::AssertionResult MatchesGolden(const Bitmap& actual, const std::string& goldenDir,
                                         const std::string& name, GoldenOptions options = kExactPicture);

// The comparison alone: never rewrites the golden file.
::testing::AssertionResult ComparePictures(const Bitmap& actual, const Bitmap& golden,
                                           const std::string& name, GoldenOptions options);

// A text golden file (`goldenPath`) against `actual`, exactly; rewritten in
// update mode. A mismatch names the first line that differs and writes the
// actual text beside the pictures' output.
::testing::AssertionResult MatchesGoldenText(const std::string& actual, const std::string& goldenPath);

}  // namespace dsp::test
