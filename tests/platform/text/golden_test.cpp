// The drawing sheet against its committed golden picture, and the golden
// comparison itself.

#include "tests/support/golden.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/graphics/canvas.h"
#include "platform/graphics/png_file.h"
#include "tests/platform/text/sheet.h"
#include "tests/support/temp_dir.h"

namespace dsp::test {
namespace {

const std::string kGoldenDir = std::string(DSP_TEST_DATA) + "/golden";

TEST(GoldenTest, DrawingSheetMatches) {
    FontEngine engine;
    const Bitmap sheet = RenderSheet(engine);
    // Text pixels may move by a shade between FreeType builds; the shapes and
    // pictures may not, and they cover most of the sheet.
    EXPECT_TRUE(MatchesGolden(sheet, kGoldenDir, "drawing_sheet", {.textTolerance = 32, .budget = 300}));
}

// A grey field with a black "glyph" stroke across it.
Bitmap FieldWithStroke(Color field = 0xD0D0D0) {
    Bitmap picture(20, 10, field);
    Canvas(picture).FillRect({5, 3, 15, 5}, clBlack);
    return picture;
}

TEST(GoldenTest, FlatAreasMustMatchExactlyWhileGlyphEdgesMayBeAShadeOff) {
    const Bitmap golden = FieldWithStroke();
    const GoldenOptions text{.textTolerance = 8, .budget = 0};
    Bitmap actual = golden;
    actual.SetPixel(4, 3, 0xC8C8C8);  // beside the stroke, 8 off
    actual.SetPixel(6, 4, 0x080808);  // inside it, 8 off
    EXPECT_TRUE(ComparePictures(actual, golden, "edges", text));
    EXPECT_FALSE(ComparePictures(actual, golden, "edges", kExactPicture));
    actual.SetPixel(4, 3, 0xC0C0C0);  // 16 off is beyond the tolerance even on an edge
    EXPECT_FALSE(ComparePictures(actual, golden, "edges", text));

    // A whole field one shade off (a fill of the wrong state) shows, whatever the tolerance.
    EXPECT_FALSE(
        ComparePictures(FieldWithStroke(0xC0C0C0), golden, "refilled", {.textTolerance = 48, .budget = 30}));
}

TEST(GoldenTest, TheBudgetCountsPixelsBeyondTheToleranceAndAMismatchWritesADiff) {
    TempDir out;
    setenv("DSP_TEST_OUT", out.Path().c_str(), 1);
    const Bitmap golden = FieldWithStroke();
    Bitmap actual = golden;
    Canvas(actual).FillRect({0, 0, 3, 1}, clBlack);  // 3 pixels of the flat field
    EXPECT_TRUE(ComparePictures(actual, golden, "self", {.textTolerance = 0, .budget = 3}));
    EXPECT_FALSE(ComparePictures(actual, golden, "self", {.textTolerance = 0, .budget = 2}));
    const Bitmap diff = ReadPngFile(out / "self.diff.png");
    EXPECT_EQ(diff.GetPixel(2, 0), clRed);
    EXPECT_NE(diff.GetPixel(3, 0), clRed);
    EXPECT_EQ(ReadPngFile(out / "self.actual.png"), actual);
    EXPECT_FALSE(ComparePictures(Bitmap(5, 5), golden, "self", {}));  // size differs
}

TEST(GoldenTest, TextGoldensCompareExactlyAndNameTheFirstLineThatDiffers) {
    TempDir out;
    setenv("DSP_TEST_OUT", out.Path().c_str(), 1);
    std::ofstream(out / "frames") << "80 13 1F A0\n80 14 00 A0\n";
    if (UpdatingGoldens()) GTEST_SKIP() << "golden files are being rewritten";
    EXPECT_TRUE(MatchesGoldenText("80 13 1F A0\n80 14 00 A0\n", out / "frames"));
    const auto result = MatchesGoldenText("80 13 1F A0\n80 14 01 A0\n", out / "frames");
    EXPECT_FALSE(result);
    EXPECT_NE(std::string(result.message()).find("line 2: \"80 14 01 A0\", golden \"80 14 00 A0\""),
              std::string::npos)
        << result.message();
    EXPECT_FALSE(MatchesGoldenText("80 13 1F A0\n", out / "frames"));
    EXPECT_FALSE(MatchesGoldenText("", out / "missing"));
}

}  // namespace
}  // namespace dsp::test
