// Skinned spin edits and read-outs on a synthetic skin: the section's size
// and button places, the active body and button pictures, the inner box's
// font colours, and the read-out's text inside the skin's frame.
#include <gtest/gtest.h>

#include "controls/numeric_edit.h"
#include "controls/spin_edit.h"
#include "tests/support/form_fixture.h"
#include "tests/support/test_skin.h"

namespace dsp {
namespace {

constexpr Color kBody = 0x202020;
constexpr Color kActiveBody = 0x303030;
constexpr Color kHotButton = 0x00C800;
constexpr Color kDownButton = 0xC80000;

// Body 30 x 12 at (0,0) with its buttons drawn in, active body at (30,0),
// hot up/down buttons at (60,0)/(60,6), pressed up at (70,0); the section
// has no pressed down picture.
Bitmap SpinPicture() {
    Bitmap b(80, 12, kBody);
    Canvas c(b);
    c.FillRect({30, 0, 60, 12}, kActiveBody);
    c.FillRect({60, 0, 70, 12}, kHotButton);
    c.FillRect({70, 0, 80, 6}, kDownButton);
    return b;
}

const char* const kIni =
    "[SKINCONTROLS]\r\ncount=2\r\n0=spinedit:spinedit\r\n1=edit:edit\r\n"
    "[spinedit]\r\npictureindex=0\r\nskinrect=0,0,30,12\r\nlefttoppoint=2,0\r\nrighttoppoint=18,0\r\n"
    "clientrect=2,2,18,10\r\nactiveskinrect=30,0,60,12\r\nupbuttonrect=20,0,30,6\r\n"
    "downbuttonrect=20,6,30,12\r\nactiveupbuttonrect=60,0,70,6\r\nactivedownbuttonrect=60,6,70,12\r\n"
    "downupbuttonrect=70,0,80,6\r\nfontcolor=1\r\nactivefontcolor=2\r\ndisabledfontcolor=3\r\n"
    "[edit]\r\npictureindex=0\r\nskinrect=0,0,30,12\r\nlefttoppoint=3,3\r\nrighttoppoint=27,3\r\n"
    "leftbottompoint=3,9\r\nrightbottompoint=27,9\r\nclientrect=3,3,27,9\r\nfontcolor=1\r\n"
    "disabledfontcolor=3\r\nactiveskinrect=30,0,60,12\r\n";

class SkinEditsTest : public test::FormTest {
  protected:
    SkinEditsTest() { test::LoadSkin(data_, {SpinPicture()}, kIni); }

    TbsSkinSpinEdit* MakeSpin() {
        auto* s = new TbsSkinSpinEdit(form_);
        s->SetParent(form_);
        s->SetBounds(10, 10, 50, 30);
        s->SetSkinDataName("spinedit");
        s->SetSkinData(&data_);
        return s;
    }

    TbsSkinNumericEdit* MakeReadOut() {
        auto* e = new TbsSkinNumericEdit(form_);
        e->SetParent(form_);
        e->SetBounds(0, 0, 40, 20);
        e->SetSkinDataName("edit");
        e->SetSkinData(&data_);
        return e;
    }

    TbsSkinData data_;
};

TEST_F(SkinEditsTest, SpinEditTakesTheSectionsHeightAndMovesItsButtonsRight) {
    Show();
    TbsSkinSpinEdit* s = MakeSpin();
    EXPECT_EQ(s->Height(), 12);
    EXPECT_EQ(s->Width(), 50);
    // The box spans the client rectangle widened by the 20 extra pixels.
    EXPECT_EQ(s->Box().Left(), 2);
    EXPECT_EQ(s->Box().Width(), 36);
    EXPECT_EQ(s->BoxFont().Color(), 1u);

    Bitmap idle = s->PaintToBitmap();
    EXPECT_EQ(idle.GetPixel(45, 3), kBody);
    MoveTo(s, 45, 3);  // over the up button, now at x 40..50
    Bitmap hot = s->PaintToBitmap();
    EXPECT_EQ(hot.GetPixel(45, 3), kHotButton);
    EXPECT_EQ(hot.GetPixel(45, 9), kActiveBody);  // the rest shows the active body
    EXPECT_EQ(s->BoxFont().Color(), 2u);
    Press(s, 45, 3);
    EXPECT_EQ(s->PaintToBitmap().GetPixel(45, 3), kDownButton);
    Release(s, 45, 3);
    Press(s, 45, 9);  // no pressed down picture: the hot one
    EXPECT_EQ(s->PaintToBitmap().GetPixel(45, 9), kHotButton);
    Release(s, 45, 9);

    MoveTo(form_, 300, 300);
    s->SetEnabled(false);
    EXPECT_EQ(s->BoxFont().Color(), 3u);
    EXPECT_EQ(s->PaintToBitmap().GetPixel(45, 3), kBody);
}

TEST_F(SkinEditsTest, SpinEditWithoutSkinSizeKeepsItsHeight) {
    TbsSkinSpinEdit* s = MakeSpin();
    s->SetUseSkinSize(false);
    s->SetHeight(30);
    EXPECT_EQ(s->Height(), 30);
    EXPECT_EQ(s->Box().Top() + s->Box().Height() / 2, 15);
}

TEST_F(SkinEditsTest, ReadOutDrawsItsTextInsideTheSkinsFrame) {
    TbsSkinNumericEdit* e = MakeReadOut();
    EXPECT_EQ(e->TextRect(), (Rect{3, 3, 37, 17}));
    e->SetValue(888);
    e->SetEnabled(false);
    Bitmap b = e->PaintToBitmap();
    for (int x = 0; x < 40; ++x) {
        EXPECT_EQ(b.GetPixel(x, 0), kBody);  // the frame is the skin's alone
        EXPECT_EQ(b.GetPixel(x, 19), kBody);
    }
    bool ink = false;
    for (int y = 3; y < 17; ++y)
        for (int x = 3; x < 37; ++x) ink = ink || b.GetPixel(x, y) != kBody;
    EXPECT_TRUE(ink);
}

TEST_F(SkinEditsTest, ReadOutFrameIsTheActivePictureWhileHoveredOrFocused) {
    Show();
    TbsSkinNumericEdit* e = MakeReadOut();
    auto frame = [&] { return e->PaintToBitmap().GetPixel(0, 0); };
    EXPECT_EQ(frame(), kBody);
    MoveTo(e, 20, 10);
    EXPECT_EQ(frame(), kActiveBody);
    MoveTo(form_, 300, 300);
    EXPECT_EQ(frame(), kBody);
    e->SetFocus();
    EXPECT_EQ(frame(), kActiveBody);
}

}  // namespace
}  // namespace dsp
