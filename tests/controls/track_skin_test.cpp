// Track bars and sliders on a tiny synthetic skin: every pixel of the picture
// has its own colour, so a painted pixel tells where it came from.
#include <gtest/gtest.h>

#include "controls/slider.h"
#include "controls/track_bar.h"
#include "platform/graphics/bmp_file.h"
#include "platform/graphics/canvas.h"
#include "skin/skin_data.h"
#include "skin/skin_package.h"
#include "skin/skin_zlib.h"
#include "tests/support/form_fixture.h"
#include "tests/support/golden.h"
#include "tests/support/test_skin.h"

namespace dsp {
namespace {

const std::string kGolden = std::string(DSP_TEST_DATA) + "/golden";
constexpr Color kKey = 0xFF00FF;

Color Pix(int x, int y) { return static_cast<Color>(0x050000 * (x + 1) + 0x000500 * (y + 1) + 0x11); }

// 64 x 40. The track bar's thumb pictures have a keyed top-left pixel.
Bitmap Picture() {
    Bitmap b(64, 40);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 64; ++x) b.SetPixel(x, y, Pix(x, y));
    b.SetPixel(20, 0, kKey);
    b.SetPixel(20, 4, kKey);
    return b;
}

// "trackbar": 10 x 20 body (4 fixed rows at each end), its alternative body
// beside it, thumbs 8 x 4; the track area starts 6 rows down.
// "slider": the worked layout's 25 x 7 ruler and 22 x 22 two-state thumb.
const char* const kSkinText =
    "[SKINCONTROLS]\r\ncount=3\r\n0=trackbar:trackbar\r\n1=slider:slider\r\n2=other:panel\r\n"
    "[trackbar]\r\npictureindex=0\r\nskinrect=0,0,10,20\r\nlefttoppoint=0,4\r\nleftbottompoint=0,16\r\n"
    "clientrect=0,0,10,20\r\nactiveskinrect=10,0,20,20\r\ntrackarea=0,6,10,18\r\nbuttonrect=20,0,28,4\r\n"
    "activebuttonrect=20,4,28,8\r\nvertical=1\r\nbuttontransparent=1\r\nbuttontransparentcolor=16711935\r\n"
    "[slider]\r\npictureindex=0\r\nbgcolor=1193046\r\nhrulerrect=0,20,25,27\r\nhthumbrect=30,0,52,22\r\n"
    "vrulerrect=0,20,7,40\r\nvthumbrect=30,0,52,10\r\nedgesize=3\r\npointscolor=65280\r\n"
    "[other]\r\npictureindex=0\r\nskinrect=0,0,10,10\r\n";

void LoadTestSkin(TbsSkinData& data) { test::LoadSkin(data, {Picture()}, kSkinText); }

Color Behind(int x, int y) {
    return MakeColor(static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 0x33);
}

// A parent whose every client pixel has its own colour.
class PatternParent : public TCustomControl {
  public:
    using TCustomControl::TCustomControl;

  protected:
    void Paint() override {
        for (int y = 0; y < Height(); ++y)
            for (int x = 0; x < Width(); ++x) PaintCanvas()->SetPixel({x, y}, Behind(x, y));
    }
};

class TrackSkinTest : public test::FormTest {
  protected:
    TrackSkinTest() {
        data_ = new TbsSkinData(form_);
        LoadTestSkin(*data_);
    }

    // A 10 x 28 bar (the skin fixes the width), 0 to 10, at 5.
    TbsSkinTrackBar* Bar() {
        auto* bar = new TbsSkinTrackBar(form_);
        bar->SetParent(form_);
        bar->SetBounds(10, 10, 30, 28);
        bar->SetMaxValue(10);
        bar->SetValue(5);
        bar->SetSkinDataName("trackbar");
        bar->SetSkinData(data_);
        return bar;
    }

    TbsSkinSlider* Slider(TWinControl* parent = nullptr) {
        auto* slider = new TbsSkinSlider(form_);
        slider->SetParent(parent ? parent : form_);
        slider->SetBounds(40, 10, 150, 40);
        slider->SetMaxValue(80);
        slider->SetValue(40);
        slider->SetSkinData(data_);
        return slider;
    }

    TbsSkinData* data_;
};

TEST_F(TrackSkinTest, TrackBarTakesTheSectionsSizeOrientationAndWorkingTrack) {
    TbsSkinTrackBar* bar = Bar();
    EXPECT_EQ(bar->Width(), 10);  // height-only section: its width, our height
    EXPECT_EQ(bar->Height(), 28);
    EXPECT_TRUE(bar->Vertical());  // the section's `vertical` wins
    // Track area 6..18 grows by 28 - 20 at the bottom: the thumb centre
    // travels 8..24, 16 pixels; 5 of 10 is 8 up from the bottom.
    TrackBarLayout l = bar->CurrentLayout();
    EXPECT_EQ(l.travelStart, 8);
    EXPECT_EQ(l.travelEnd, 24);
    EXPECT_EQ(l.thumb, (Rect{1, 14, 9, 18}));
    EXPECT_TRUE(test::MatchesGolden(bar->PaintToBitmap(), kGolden, "skin_track_bar"));
}

TEST_F(TrackSkinTest, TrackBarDrawsBodyActiveSideAndKeyedThumb) {
    TbsSkinTrackBar* bar = Bar();
    Bitmap b = bar->PaintToBitmap();
    EXPECT_EQ(b.GetPixel(5, 10), Pix(5, 10));   // body above the thumb centre
    EXPECT_EQ(b.GetPixel(5, 20), Pix(15, 8));   // alternative body below it, middle repeated
    EXPECT_EQ(b.GetPixel(5, 27), Pix(15, 19));  // its fixed bottom end
    EXPECT_EQ(b.GetPixel(2, 15), Pix(21, 1));   // thumb picture
    EXPECT_EQ(b.GetPixel(1, 14), Pix(1, 14));   // keyed thumb pixel shows the body
    // Dragging shows the active thumb picture.
    Show();
    Press(bar, 4, 15);
    ASSERT_TRUE(bar->Dragging());
    EXPECT_EQ(bar->PaintToBitmap().GetPixel(2, 15), Pix(21, 5));
    Release(bar, 4, 15);
}

// Skin data is read when the skin changes, not at a paint: a property set
// after the skin holds, and a press lands where the thumb is drawn whether
// or not a paint came first.
TEST_F(TrackSkinTest, HitTestingDoesNotWaitForAPaint) {
    TbsSkinTrackBar* bar = Bar();
    bar->SetVertical(false);
    const TrackBarLayout before = bar->CurrentLayout();
    const Bitmap painted = bar->PaintToBitmap();
    EXPECT_FALSE(bar->Vertical());
    const TrackBarLayout after = bar->CurrentLayout();
    EXPECT_EQ(after.thumb, before.thumb);
    EXPECT_EQ(after.travelStart, before.travelStart);
    bar->ApplySkinData();  // a skin change: the section's orientation again
    EXPECT_TRUE(bar->Vertical());
    EXPECT_EQ(bar->PaintToBitmap().GetPixel(2, 15), Pix(21, 1));  // the thumb where the layout puts it
    EXPECT_TRUE(TrackBarGeometry::HitsThumb(bar->CurrentLayout().thumb, {2, 15}));
}

TEST_F(TrackSkinTest, JumpClickCountsFromTheTrackAreasInset) {
    TbsSkinTrackBar* bar = Bar();
    bar->SetJumpWhenClick(true);
    Show();
    // 28 - 8 - 4 / 2 - 6 = 12 of 16 pixels: 7.5 of 10, halves to even.
    Click(bar, 5, 8);
    EXPECT_EQ(bar->Value(), 8);
}

TEST_F(TrackSkinTest, TrackBarErasedFromOutsideItsPaintDrawsItselfIntoTheCanvas) {
    TbsSkinTrackBar* bar = Bar();
    Bitmap into(bar->Width(), bar->Height(), clBlack);
    Canvas canvas(into);
    bar->Perform(kWmEraseBkgnd, reinterpret_cast<uintptr_t>(&canvas));
    EXPECT_EQ(into, bar->PaintToBitmap());
}

TEST_F(TrackSkinTest, TrackBarWithoutItsSectionFallsBackToTheDefaultGeometry) {
    TbsSkinTrackBar* bar = Bar();
    bar->SetSkinDataName("other");  // a section of another kind
    bar->ApplySkinData();
    EXPECT_EQ(bar->CurrentLayout().travelStart, 2 + (bar->Width() - 4) / 2 / 2);
    delete data_;
    EXPECT_EQ(bar->SkinIndex(), -1);
    EXPECT_EQ(bar->CurrentLayout().thumb.Width(), bar->Width() - 4);
}

TEST_F(TrackSkinTest, SkinnedSliderFollowsTheWorkedLayout) {
    TbsSkinSlider* s = Slider();
    ASSERT_TRUE(s->Skinned());
    EXPECT_EQ(s->Layout().ruler, (Rect{6, 13, 144, 20}));
    EXPECT_EQ(s->Layout().trackLength, 127);
    EXPECT_EQ(s->Layout().tickArea.top, 29);
    EXPECT_EQ(s->ThumbRect(), (Rect{70, 6, 81, 28}));  // 6 + round(63.5)
    EXPECT_TRUE(test::MatchesGolden(s->PaintToBitmap(), kGolden, "skin_slider"));
}

TEST_F(TrackSkinTest, SkinnedSliderDrawsColoursRulerAndThumbStates) {
    TbsSkinSlider* s = Slider();
    Bitmap b = s->PaintToBitmap();
    EXPECT_EQ(b.GetPixel(0, 0), Color{0x123456});    // bgcolor
    EXPECT_EQ(b.GetPixel(11, 29), Color{0x00FF00});  // the first tick, in pointscolor
    // Ruler: 3 fixed columns at each end, the 19-column middle repeated.
    EXPECT_EQ(b.GetPixel(6 + 1, 14), Pix(1, 21));
    EXPECT_EQ(b.GetPixel(6 + 22, 14), Pix(3, 21));
    EXPECT_EQ(b.GetPixel(6 + 137, 14), Pix(24, 21));
    EXPECT_EQ(b.GetPixel(6, 19), Color{0x123456});  // keyed by its bottom-left pixel
    EXPECT_EQ(b.GetPixel(71, 7), Pix(31, 1));       // thumb, first state
    s->SetEnabled(false);
    EXPECT_EQ(s->PaintToBitmap().GetPixel(71, 7), Pix(42, 1));  // second state
}

TEST_F(TrackSkinTest, SliderWithoutTheSkinThumbKeepsTheSkinRuler) {
    TbsSkinSlider* s = Slider();
    s->SetUseSkinThumb(false);
    // The built-in 9 x 17 thumb over the skin's 7-pixel ruler.
    EXPECT_EQ(s->ThumbRect().Width(), 9);
    EXPECT_EQ(s->Layout().ruler, (Rect{6, 11, 144, 18}));
    EXPECT_EQ(s->Layout().trackLength, 129);
}

TEST_F(TrackSkinTest, TransparentSliderShowsItsParentsPicture) {
    auto* parent = new PatternParent(form_);
    parent->SetParent(form_);
    parent->SetBounds(0, 0, 300, 100);
    TbsSkinSlider* s = Slider(parent);
    s->SetTransparent(true);
    Bitmap b = s->PaintToBitmap();
    EXPECT_EQ(b.GetPixel(0, 0), Behind(40, 10));
    EXPECT_EQ(b.GetPixel(149, 2), Behind(189, 12));
}

TEST_F(TrackSkinTest, SliderLosingItsSkinGoesBackToTheBuiltInPictures) {
    TbsSkinSlider* s = Slider();
    delete data_;
    EXPECT_FALSE(s->Skinned());
    EXPECT_EQ(s->ThumbRect().Width(), 9);
    EXPECT_EQ(s->Value(), 40);
}

}  // namespace
}  // namespace dsp
