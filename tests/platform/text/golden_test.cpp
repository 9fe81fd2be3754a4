// The drawing sheet against its committed golden picture, and the golden
// comparison itself.

#include "tests/platform/text/golden.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/graphics/canvas.h"
#include "platform/graphics/png_file.h"
#include "tests/platform/text/sheet.h"

namespace dsp {
namespace {

const std::string kGoldenDir = std::string(DSP_TEST_DATA) + "/golden";

TEST(GoldenTest, DrawingSheetMatches) {
    FontEngine engine;
    const Bitmap sheet = RenderSheet(engine);
    // Text pixels may move by a shade between FreeType builds; the shapes and
    // pictures may not, and they cover most of the sheet.
    EXPECT_TRUE(MatchesGolden(sheet, kGoldenDir, "drawing_sheet", {.tolerance = 32, .budget = 300}));
}

TEST(GoldenTest, ComparisonCountsOnlyPixelsBeyondTheToleranceAndWritesADiff) {
    const std::string out = ::testing::TempDir() + "golden_self";
    std::filesystem::create_directories(out);
    setenv("DSP_TEST_OUT", out.c_str(), 1);
    Bitmap picture(20, 10, clBtnFace);
    WritePngFile(out + "/self.png", picture);
    Bitmap shifted = picture;
    Canvas c(shifted);
    c.FillRect({0, 0, 20, 5}, 0xC8C8C8);  // 8 off: inside the tolerance
    EXPECT_TRUE(MatchesGolden(shifted, out, "self", {.tolerance = 8, .budget = 0}));
    c.FillRect({0, 0, 3, 1}, clBlack);  // 3 pixels far off
    EXPECT_TRUE(MatchesGolden(shifted, out, "self", {.tolerance = 8, .budget = 3}));
    EXPECT_FALSE(MatchesGolden(shifted, out, "self", {.tolerance = 8, .budget = 2}));
    const Bitmap diff = ReadPngFile(out + "/self.diff.png");
    EXPECT_EQ(diff.GetPixel(2, 0), clRed);
    EXPECT_NE(diff.GetPixel(3, 0), clRed);
    EXPECT_FALSE(MatchesGolden(Bitmap(5, 5), out, "self", {}));  // size differs
}

}  // namespace
}  // namespace dsp
