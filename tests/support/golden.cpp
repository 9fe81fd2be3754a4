#include "tests/support/golden.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/graphics/png_file.h"
#include "tests/support/temp_dir.h"

namespace dsp::test {
namespace {

int ChannelDistance(Color a, Color b) {
    return std::max(
        {std::abs(RedOf(a) - RedOf(b)), std::abs(GreenOf(a) - GreenOf(b)), std::abs(BlueOf(a) - BlueOf(b))});
}

// A pixel on an edge has a neighbour of another colour; glyphs are made of them.
bool OnEdge(const Bitmap& picture, int x, int y) {
    const Color centre = picture.GetPixel(x, y);
    for (int ny = std::max(0, y - 1); ny <= std::min(picture.Height() - 1, y + 1); ++ny)
        for (int nx = std::max(0, x - 1); nx <= std::min(picture.Width() - 1, x + 1); ++nx)
            if (picture.GetPixel(nx, ny) != centre) return true;
    return false;
}

Color Faded(Color c) {
    const auto grey = static_cast<std::uint8_t>(192 + (RedOf(c) + GreenOf(c) + BlueOf(c)) / 12);
    return MakeColor(grey, grey, grey);
}

std::string OutputPath(const std::string& name) { return (TestOutputDir() / name).string(); }

std::string ReadText(const std::string& path, bool& found) {
    std::ifstream in(path, std::ios::binary);
    found = static_cast<bool>(in);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string FirstDifference(const std::string& actual, const std::string& golden) {
    std::istringstream a(actual), g(golden);
    std::string al, gl;
    for (int line = 1;; ++line) {
        const bool hasA = static_cast<bool>(std::getline(a, al)),
                   hasG = static_cast<bool>(std::getline(g, gl));
        if (!hasA && !hasG) return "they differ only in the last line's end";
        if (!hasA || !hasG || al != gl)
            return "line " + std::to_string(line) + ": \"" + (hasA ? al : "(none)") + "\", golden \"" +
                   (hasG ? gl : "(none)") + "\"";
    }
}

}  // namespace

bool UpdatingGoldens() {
    const char* update = std::getenv("DSP_UPDATE_GOLDEN");
    return update && std::strcmp(update, "1") == 0;
}

::testing::AssertionResult ComparePictures(const Bitmap& actual, const Bitmap& golden,
                                           const std::string& name, GoldenOptions options) {
    const std::string actualPath = OutputPath(name + ".actual.png");
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
            const bool bad = d > 0 && (d > options.textTolerance || !OnEdge(golden, x, y));
            mismatches += bad;
            diff.SetPixel(x, y, bad ? clRed : Faded(a));
        }
    }
    if (mismatches <= options.budget)
        return ::testing::AssertionSuccess() << mismatches << " pixels off, largest difference " << worst;
    const std::string diffPath = OutputPath(name + ".diff.png");
    WritePngFile(actualPath, actual);
    WritePngFile(diffPath, diff);
    return ::testing::AssertionFailure()
           << name << ": " << mismatches << " pixels differ (text tolerance " << options.textTolerance
           << ", budget " << options.budget << "); see " << diffPath << " and " << actualPath;
}

::testing::AssertionResult MatchesGolden(const Bitmap& actual, const std::string& goldenDir,
                                         const std::string& name, GoldenOptions options) {
    const std::string goldenPath = goldenDir + "/" + name + ".png";
    if (UpdatingGoldens()) {
        WritePngFile(goldenPath, actual);
        return ::testing::AssertionSuccess() << "rewrote " << goldenPath;
    }
    Bitmap golden;
    try {
        golden = ReadPngFile(goldenPath);
    } catch (const std::exception& e) {
        return ::testing::AssertionFailure() << e.what();
    }
    return ComparePictures(actual, golden, name, options);
}

::testing::AssertionResult MatchesGoldenText(const std::string& actual, const std::string& goldenPath) {
    if (UpdatingGoldens()) {
        std::ofstream(goldenPath, std::ios::binary) << actual;
        return ::testing::AssertionSuccess() << "rewrote " << goldenPath;
    }
    bool found = false;
    const std::string golden = ReadText(goldenPath, found);
    if (!found) return ::testing::AssertionFailure() << "cannot read " << goldenPath;
    if (actual == golden) return ::testing::AssertionSuccess();
    const std::string actualPath =
        OutputPath(std::filesystem::path(goldenPath).filename().string() + ".actual");
    std::ofstream(actualPath, std::ios::binary) << actual;
    return ::testing::AssertionFailure() << goldenPath << " differs, " << FirstDifference(actual, golden)
                                         << "; actual text in " << actualPath;
}

}  // namespace dsp::test
