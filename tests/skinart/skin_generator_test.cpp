// The generator: its output is reproducible and matches the committed skin
// folders, and the pieces that controls repeat tile without seams.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "tools/skingen/geometry.h"
#include "tools/skingen/skin_builder.h"

namespace dsp::skingen {
namespace {

const std::string kSkinsDir = std::string(DSP_TEST_DATA) + "/../../resources/skins/";

std::vector<std::uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const Bitmap& Picture(const SkinFolder& skin, const std::string& name) {
    for (const auto& [n, pic] : skin.pictures)
        if (n == name) return pic;
    throw std::runtime_error("no picture " + name);
}

// Columns [from, to) of `r` are all equal, so repeating any of them across a
// wider control shows no seam.
bool ColumnsUniform(const Bitmap& pic, const Rect& r, int from, int to) {
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left + from + 1; x < r.left + to; ++x)
            if (pic.GetPixel(x, y) != pic.GetPixel(r.left + from, y)) return false;
    return true;
}

TEST(SkinGenerator, RegeneratingGivesTheCommittedFilesByteForByte) {
    for (int n = 1; n <= kSkinCount; ++n) {
        const SkinFolder first = BuildSkin(n), second = BuildSkin(n);
        ASSERT_EQ(first.files.size(), second.files.size());
        ASSERT_EQ(first.files.size(), 7u);  // skin.ini, frame, mask and a list of four
        for (std::size_t i = 0; i < first.files.size(); ++i) {
            const SkinFile& f = first.files[i];
            EXPECT_EQ(f.bytes, second.files[i].bytes)
                << "skin " << n << " " << f.name << " differs between runs";
            const auto committed = ReadFile(kSkinsDir + SkinFolderName(n) + "/" + f.name);
            EXPECT_TRUE(committed == f.bytes) << SkinFolderName(n) << "/" << f.name
                                              << " is stale: regenerate the skins (see docs/skins.md)";
        }
    }
    EXPECT_THROW(BuildSkin(0), std::invalid_argument);
    EXPECT_THROW(BuildSkin(kSkinCount + 1), std::invalid_argument);
}

TEST(SkinGenerator, SkinsDifferInArtworkButShareTheChassisColour) {
    const SkinFolder one = BuildSkin(1), two = BuildSkin(2), three = BuildSkin(3);
    const Bitmap& c1 = Picture(one, "controls.bmp");
    const Bitmap& c2 = Picture(two, "controls.bmp");
    const Bitmap& c3 = Picture(three, "controls.bmp");
    EXPECT_FALSE(c1 == c2);
    EXPECT_FALSE(c1 == c3);
    // Skin 2's faders and skin 3's keys stand on skin 1's panel face.
    const Rect panelClient =
        geo::panel::kAnchors.client.Offset(geo::panel::kBody.left, geo::panel::kBody.top);
    const Color face = c1.GetPixel(panelClient.left + 5, panelClient.top + 5);
    EXPECT_EQ(c2.GetPixel(geo::trackbar::kBody.left, geo::trackbar::kBody.top + 50), face);
    EXPECT_EQ(c3.GetPixel(geo::button::kNormal.left, geo::button::kNormal.top), face);
}

TEST(SkinGenerator, RepeatedMiddlesTileWithoutSeams) {
    for (int n = 1; n <= kSkinCount; ++n) {
        const SkinFolder skin = BuildSkin(n);
        const Bitmap& controls = Picture(skin, "controls.bmp");
        using geo::Anchors;
        const std::pair<Rect, Anchors> across[] = {
            {geo::button::kNormal, geo::button::kAnchors},
            {geo::button::kHot, geo::button::kAnchors},
            {geo::button::kDown, geo::button::kAnchors},
            {geo::button::kDisabled, geo::button::kAnchors},
            {geo::combobox::kBody, geo::combobox::kAnchors},
            {geo::combobox::kActive, geo::combobox::kAnchors},
            {geo::spinedit::kBody, geo::spinedit::kAnchors},
            {geo::statuspanel::kBody, geo::statuspanel::kAnchors},
            {geo::statuscombobox::kBody, geo::statuscombobox::kAnchors},
            {geo::edit::kBody, geo::edit::kAnchors}};
        for (const auto& [r, a] : across)
            EXPECT_TRUE(ColumnsUniform(controls, r, a.leftTop.x, a.rightTop.x))
                << "skin " << n << " image at " << r.left << "," << r.top;
        // The frame's top band between its corners is repeated across the caption.
        const Bitmap& frame = Picture(skin, "frame.bmp");
        EXPECT_TRUE(ColumnsUniform(frame, {0, 0, frame.Width(), geo::frame::kClient.top},
                                   geo::frame::kLeftTop.x, geo::frame::kRightTop.x))
            << "skin " << n;
        // A fader's repeated middle holds whole tick periods.
        const int middle = geo::trackbar::kAnchors.leftBottom.y - geo::trackbar::kAnchors.leftTop.y;
        EXPECT_EQ(middle % geo::trackbar::kTickPeriod, 0);
    }
}

}  // namespace
}  // namespace dsp::skingen
