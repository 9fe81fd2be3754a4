// The artwork itself: states a control switches between look different, the
// selector keys light up when pressed, the mask agrees with the frame, and
// the text the generator writes reads back through the skin reader.

#include <gtest/gtest.h>

#include "skin/skin_ini.h"
#include "skin/skin_values.h"
#include "tools/skingen/geometry.h"
#include "tools/skingen/ini_writer.h"
#include "tools/skingen/skin_builder.h"

namespace dsp::skingen {
namespace {

const Bitmap& Picture(const SkinFolder& skin, std::size_t index) { return skin.pictures.at(index).second; }

Bitmap Crop(const Bitmap& pic, const Rect& r) {
    Bitmap out(r.Width(), r.Height());
    for (int y = 0; y < r.Height(); ++y)
        for (int x = 0; x < r.Width(); ++x) out.SetPixel(x, y, pic.GetPixel(r.left + x, r.top + y));
    return out;
}

int Brightness(const Bitmap& pic, const Rect& r) {
    int sum = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            const Color c = pic.GetPixel(x, y);
            sum += RedOf(c) + GreenOf(c) + BlueOf(c);
        }
    return sum / (3 * r.Width() * r.Height());
}

class ArtworkTest : public ::testing::TestWithParam<int> {
protected:
    SkinFolder skin_ = BuildSkin(GetParam());
    const Bitmap& frame_ = Picture(skin_, 0);
    const Bitmap& mask_ = Picture(skin_, 1);
    const Bitmap& controls_ = Picture(skin_, 2);
    const Bitmap& buttons_ = Picture(skin_, 4);
};

TEST_P(ArtworkTest, EveryStateOfAControlHasItsOwnImage) {
    namespace b = geo::button;
    const Rect states[] = {b::kNormal, b::kHot, b::kDown, b::kFocused, b::kDisabled};
    for (std::size_t i = 0; i < std::size(states); ++i)
        for (std::size_t j = i + 1; j < std::size(states); ++j)
            EXPECT_FALSE(Crop(controls_, states[i]) == Crop(controls_, states[j])) << "button states " << i << ", " << j;
    EXPECT_FALSE(Crop(controls_, geo::trackbar::kBody) == Crop(controls_, geo::trackbar::kActive));
    EXPECT_FALSE(Crop(controls_, geo::trackbar::kThumb) == Crop(controls_, geo::trackbar::kThumbHot));
    const Rect combo = geo::combobox::kButton.Offset(geo::combobox::kBody.left, geo::combobox::kBody.top);
    for (const Rect& r : {geo::combobox::kButtonHot, geo::combobox::kButtonDown, geo::combobox::kButtonDisabled})
        EXPECT_FALSE(Crop(controls_, combo) == Crop(controls_, r));
    using geo::ButtonState;
    using geo::CaptionButton;
    for (int bi = 0; bi < int(CaptionButton::Count); ++bi) {
        const auto cb = CaptionButton(bi);
        const Bitmap normal = Crop(frame_, geo::CaptionButtonRect(cb));
        for (ButtonState s : {ButtonState::Hot, ButtonState::Down, ButtonState::Disabled})
            EXPECT_FALSE(normal == Crop(buttons_, geo::CaptionButtonStateRect(cb, s)))
                << "caption button " << bi << " state " << int(s);
    }
}

TEST_P(ArtworkTest, MaskAndFramePictureAgreeOnTheWindowShape) {
    ASSERT_EQ(mask_.Width(), frame_.Width());
    ASSERT_EQ(mask_.Height(), frame_.Height());
    int outside = 0;
    for (int y = 0; y < mask_.Height(); ++y)
        for (int x = 0; x < mask_.Width(); ++x) {
            const Color m = mask_.GetPixel(x, y);
            ASSERT_TRUE(m == clBlack || m == clWhite);
            if (m != clWhite) continue;
            ++outside;
            EXPECT_EQ(frame_.GetPixel(x, y), clWhite) << "paint outside the window at " << x << "," << y;
            // The dark outline lies inside the window, beside the cut.
            const int inX = x < mask_.Width() / 2 ? x + 1 : x - 1;
            if (mask_.GetPixel(inX, y) == clBlack) {
                EXPECT_LT(Brightness(frame_, {inX, y, inX + 1, y + 1}), 100) << "no outline at " << inX << "," << y;
            }
        }
    EXPECT_GT(outside, 0);
    EXPECT_LT(outside, 4 * geo::frame::kTopRadius * geo::frame::kTopRadius) << "only the top corners are cut";
}

TEST(SelectorKeys, TheIndicatorLightsWhenPressedAndIsDarkWhenDisabled) {
    const SkinFolder skin = BuildSkin(3);
    const Bitmap& controls = Picture(skin, 2);
    namespace b = geo::button;
    auto led = [&](const Rect& key) { return Brightness(controls, {key.left + 8, key.top + 3, key.right - 8, key.top + 5}); };
    EXPECT_GT(led(b::kDown), led(b::kHot) + 40);
    EXPECT_GT(led(b::kHot), led(b::kNormal) + 20);
    EXPECT_LE(led(b::kDisabled), led(b::kNormal));
    // Skin 1's push buttons carry no indicator.
    const SkinFolder skinOne = BuildSkin(1);
    const Bitmap& plain = Picture(skinOne, 2);
    EXPECT_LT(Brightness(plain, {b::kDown.left + 8, b::kDown.top + 3, b::kDown.right - 8, b::kDown.top + 5}),
              led(b::kDown) - 40);
}

TEST(IniWriter, WritesTheFormsTheSkinReaderReads) {
    IniWriter w;
    w.Section("trackbar");
    w.RectKey("skinrect", {244, 162, 264, 262});
    w.PointKey("leftbottompoint", {0, 90});
    w.Bool("vertical", true);
    w.Bool("buttontransparent", false);
    w.Colour("buttontransparentcolor", 0xFF00FF);
    w.Int("pictureindex", -1);
    w.Section("other");
    w.Text("name", "a=b");
    const SkinIni ini = SkinIni::FromText(w.Result());
    EXPECT_EQ(ReadSkinRect(ini, "trackbar", "skinrect"), (TRect{244, 162, 264, 262}));
    EXPECT_EQ(ReadSkinPoint(ini, "trackbar", "leftbottompoint"), (TPoint{0, 90}));
    EXPECT_TRUE(ReadSkinBool(ini, "trackbar", "vertical"));
    EXPECT_FALSE(ReadSkinBool(ini, "trackbar", "buttontransparent"));
    EXPECT_EQ(ReadSkinInt(ini, "trackbar", "buttontransparentcolor", 0), 16711935);
    EXPECT_EQ(ReadSkinInt(ini, "trackbar", "pictureindex", 0), -1);
    EXPECT_EQ(ini.ReadString("other", "name", ""), "a=b");
    EXPECT_NE(w.Result().find("]\r\nskinrect=244,162,264,262\r\n"), std::string::npos) << "CR LF lines";
}

INSTANTIATE_TEST_SUITE_P(OurSkins, ArtworkTest, ::testing::Values(1, 2, 3));

}  // namespace
}  // namespace dsp::skingen
