#include "tests/platform/text/golden.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/graphics/png_file.h"

namespace dsp {
namespace {

int ChannelDistance(Color a, Color b) {
    return std::max(
        {std::abs(RedOf(a) - RedOf(b)), std::abs(GreenOf(a) - GreenOf(b)), std::abs(BlueOf(a) - BlueOf(b))});
}

std::string OutputDir() {
    const char* out = std::getenv("DSP_TEST_OUT");
    return out && *out ? out : ".";
}

}  // namespace

::testing::AssertionResult MatchesGolden(const Bitmap& actual, const std::string& goldenDir,
                                         const std::string& name, GoldenOptions options) {
    const std::string goldenPath = goldenDir + "/" + name + ".png";
    if (const char* update = std::getenv("DSP_UPDATE_GOLDEN"); update && std::strcmp(update, "1") == 0) {
        WritePngFile(goldenPath, actual);
        return ::testing::AssertionSuccess() << "rewrote " << goldenPath;
    }
    Bitmap golden;
    try {
        golden = ReadPngFile(goldenPath);
    } catch (const std::exception& e) {
        return ::testing::AssertionFailure() << e.what();
    }
    const std::string actualPath = OutputDir() + "/" + name + ".actual.png";
    if (golden.Width() != actual.Width() || golden.Height() != actual.Height()) {
        WritePngFile(actualPath, actual);
        return ::testing::AssertionFailure()
               << name << ": size " << actual.Width() << " x " << actual.Height() << ", golden "
               << golden.Width() << " x " << golden.Height() << "; actual picture in " << actualPath;
    }
    Bitmap diff(actual.Width(), actual.Height());
    int mismatches = 0, worst = 0;
    for (int y = 0; y < actual.Height(); ++y) {
        for (int x = 0; x < actual.Width(); ++x) {
            const Color a = actual.GetPixel(x, y);
            const int d = ChannelDistance(a, golden.GetPixel(x, y));
            worst = std::max(worst, d);
            const bool bad = d > options.tolerance;
            mismatches += bad;
            const int grey = 192 + (RedOf(a) + GreenOf(a) + BlueOf(a)) / 12;
            diff.SetPixel(
                x, y, bad ? clRed : MakeColor(std::uint8_t(grey), std::uint8_t(grey), std::uint8_t(grey)));
        }
    }
    if (mismatches <= options.budget) {
        return ::testing::AssertionSuccess() << mismatches << " pixels off, largest difference " << worst;
    }
    const std::string diffPath = OutputDir() + "/" + name + ".diff.png";
    WritePngFile(actualPath, actual);
    WritePngFile(diffPath, diff);
    return ::testing::AssertionFailure()
           << name << ": " << mismatches << " pixels differ by more than " << options.tolerance << " (budget "
           << options.budget << "); see " << diffPath << " and " << actualPath;
}

}  // namespace dsp
