// Skinned push buttons on a synthetic skin of solid blocks: the picture the
// rules choose, the caption colours, the hover morph and the frame animation
// on the fake clock.
#include <gtest/gtest.h>

#include "controls/button.h"
#include "tests/support/form_fixture.h"
#include "tests/support/test_skin.h"

namespace dsp {
namespace {

constexpr Color kNormal = 0x0000C8;  // red 200
constexpr Color kActive = 0x00C800;  // green 200
constexpr Color kDown = 0xC80000;
constexpr Color kFocused = 0x00C8C8;
constexpr Color kDisabled = 0x808080;
const Color kFrames[] = {0x101010, 0x202020, 0x303030};

Bitmap ButtonPictures() {
    Bitmap b(80, 10, clBlack);
    Canvas c(b);
    const Color blocks[] = {kNormal, kActive, kDown, kFocused, kDisabled, kFrames[0], kFrames[1], kFrames[2]};
    for (int i = 0; i < 8; ++i) c.FillRect({i * 10, 0, i * 10 + 10, 10}, blocks[i]);
    return b;
}

const char* const kIni =
    "[SKINCONTROLS]\r\ncount=3\r\n0=btn:button\r\n1=frames:button\r\n2=bare:button\r\n"
    "[btn]\r\npictureindex=0\r\nskinrect=0,0,10,10\r\nclientrect=1,1,9,9\r\nactiveskinrect=10,0,20,10\r\n"
    "downskinrect=20,0,30,10\r\nfocusedskinrect=30,0,40,10\r\ndisabledskinrect=40,0,50,10\r\n"
    "fontcolor=1\r\nactivefontcolor=2\r\ndownfontcolor=3\r\ndisabledfontcolor=4\r\n"
    "morphing=1\r\nmorphkind=mkdefault\r\n"
    "[frames]\r\npictureindex=0\r\nskinrect=0,0,10,10\r\nactiveskinrect=10,0,20,10\r\n"
    "animateskinrect=50,0,80,10\r\nframecount=3\r\nanimateinterval=30\r\n"
    "[bare]\r\npictureindex=0\r\nskinrect=0,0,10,10\r\nmorphing=1\r\n";

class SkinButtonTest : public test::FormTest {
  protected:
    SkinButtonTest() { test::LoadSkin(data_, {ButtonPictures()}, kIni); }

    TbsSkinButton* Make(const std::string& section) {
        auto* b = new TbsSkinButton(form_);
        b->SetParent(form_);
        b->SetBounds(10, 10, 10, 10);
        b->SetSkinDataName(section);
        b->SetSkinData(&data_);
        return b;
    }
    static Color Centre(TbsSkinButton* b) { return b->PaintToBitmap().GetPixel(5, 5); }

    TbsSkinData data_;
};

TEST_F(SkinButtonTest, PicturesAndCaptionColoursFollowTheRules) {
    Show();
    TbsSkinButton* b = Make("btn");
    TbsSkinButton* other = Make("btn");
    other->SetLeft(40);
    EXPECT_EQ(Centre(b), kNormal);
    EXPECT_EQ(b->CaptionFont().Color(), 1u);

    Press(b, 5, 5);  // takes the focus, shows the down picture, shifted caption colour
    EXPECT_EQ(b->SkinPicture(), ButtonPicture::Down);
    EXPECT_EQ(Centre(b), kDown);
    EXPECT_EQ(b->CaptionFont().Color(), 3u);
    Release(b, 5, 5);
    EXPECT_EQ(b->SkinPicture(), ButtonPicture::Focused);
    EXPECT_EQ(Centre(b), kFocused);
    EXPECT_EQ(b->CaptionFont().Color(), 2u);

    b->SetUseSkinFontColor(false);
    EXPECT_EQ(b->CaptionFont().Color(), b->DefaultFont().Color());
    b->SetEnabled(false);  // the disabled colour stands even so
    EXPECT_EQ(Centre(b), kDisabled);
    EXPECT_EQ(b->CaptionFont().Color(), 4u);
}

TEST_F(SkinButtonTest, HoverMorphsToTheActivePictureInFiveSteps) {
    Show();
    TbsSkinButton* b = Make("btn");
    MoveTo(b, 5, 5);
    EXPECT_EQ(Centre(b), kNormal);
    Advance(20);
    EXPECT_DOUBLE_EQ(b->Morph().K(), 0.2);
    Advance(20);
    // 0.6 of red 200 and 0.4 of green 200.
    EXPECT_EQ(Centre(b), Color(0x005078));
    Advance(60);
    EXPECT_DOUBLE_EQ(b->Morph().K(), 1.0);
    EXPECT_EQ(Centre(b), kActive);

    MoveTo(form_, 200, 200);
    Advance(20);
    EXPECT_DOUBLE_EQ(b->Morph().K(), 0.8);
    b->SetEnabled(false);  // disabling stops the morph
    EXPECT_FALSE(b->Morph().Running());
    EXPECT_EQ(Centre(b), kDisabled);
}

TEST_F(SkinButtonTest, MorphSnapsWithoutEffectsAndWithoutASection) {
    Show();
    data_.SetEnableSkinEffects(false);
    TbsSkinButton* b = Make("btn");
    MoveTo(b, 5, 5);
    EXPECT_DOUBLE_EQ(b->Morph().K(), 1.0);
    EXPECT_EQ(Centre(b), kActive);
    MoveTo(form_, 200, 200);

    data_.SetEnableSkinEffects(true);
    TbsSkinButton* none = Make("nosuchsection");
    MoveTo(none, 5, 5);
    EXPECT_DOUBLE_EQ(none->Morph().K(), 1.0);
    EXPECT_FALSE(none->Morph().Running());
}

TEST_F(SkinButtonTest, MissingPicturesFallBack) {
    Show();
    TbsSkinButton* b = Make("bare");
    MoveTo(b, 5, 5);
    Advance(100);
    EXPECT_EQ(Centre(b), kNormal);  // no active picture: the normal one
    Press(b, 5, 5);
    EXPECT_EQ(Centre(b), kNormal);  // no down picture: the active one
    Release(b, 5, 5);
    b->SetEnabled(false);
    EXPECT_EQ(Centre(b), kNormal);  // no disabled picture: the next rule
}

TEST_F(SkinButtonTest, FramesRunForwardOnEnteringAndBackOnLeaving) {
    Show();
    TbsSkinButton* b = Make("frames");
    MoveTo(b, 5, 5);
    Advance(30);
    EXPECT_EQ(Centre(b), kFrames[0]);
    Advance(60);
    EXPECT_EQ(Centre(b), kFrames[2]);
    Advance(90);
    EXPECT_EQ(Centre(b), kFrames[2]);  // rests on the last frame
    MoveTo(form_, 200, 200);
    Advance(30);
    EXPECT_EQ(Centre(b), kFrames[1]);
    Advance(60);
    EXPECT_EQ(b->Frames().Frame(), 0);
    EXPECT_EQ(Centre(b), kNormal);

    MoveTo(b, 5, 5);
    Advance(60);
    Press(b, 5, 5);  // a press stops the animation
    EXPECT_EQ(b->Frames().Frame(), 0);
    EXPECT_FALSE(b->Frames().Running());
    Release(b, 5, 5);
    data_.SetEnableSkinEffects(false);
    b->ApplySkinData();  // a skin change (here: effects off) stops it for good
    MoveTo(form_, 200, 200);
    MoveTo(b, 5, 5);
    Advance(100);
    EXPECT_EQ(b->Frames().Frame(), 0);
}

}  // namespace
}  // namespace dsp
