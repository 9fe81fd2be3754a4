// The skinned control base on tiny synthetic skins: the section's geometry
// and pictures, the size rules of the resize modes, the body image, the
// region cut from the mask, the background-changed message to children, and
// the fall-backs to the default look.
#include "controls/skin_custom_control.h"

#include <gtest/gtest.h>

#include "platform/graphics/bmp_file.h"
#include "skin/skin_data.h"
#include "skin/skin_package.h"
#include "skin/skin_zlib.h"
#include "tests/support/form_fixture.h"
#include "tests/support/test_skin.h"

namespace dsp {
namespace {

// Every pixel of the 16 x 16 picture has its own colour, so a painted pixel
// tells where in the picture it came from.
Color Pix(int x, int y) { return static_cast<Color>(0x0A0000 * (x + 1) + 0x000A00 * (y + 1) + 0x11); }

Bitmap Picture() {
    Bitmap b(16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) b.SetPixel(x, y, Pix(x, y));
    return b;
}

// A 16 x 16 mask: black (inside) except a white 2 x 2 corner at the top left.
Bitmap Mask() {
    Bitmap b(16, 16, clBlack);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x) b.SetPixel(x, y, clWhite);
    return b;
}

// Sections (type "panel" unless said otherwise) over the picture at list
// index 0, the mask at 1.
const char* const kSkinText =
    "[SKINCONTROLS]\r\ncount=7\r\n0=fixed:panel\r\n1=across:panel\r\n2=nine:panel\r\n3=masked:panel\r\n"
    "4=stretched:panel\r\n5=wrongkind:bevel\r\n6=nopicture:panel\r\n"
    "[fixed]\r\npictureindex=0\r\nskinrect=2,2,8,6\r\n"
    "[across]\r\npictureindex=0\r\nskinrect=0,0,10,4\r\nlefttoppoint=2,0\r\nrighttoppoint=7,0\r\n"
    "[nine]\r\npictureindex=0\r\nskinrect=0,0,12,12\r\nlefttoppoint=3,3\r\nrighttoppoint=9,3\r\n"
    "leftbottompoint=3,9\r\nrightbottompoint=9,9\r\nclientrect=3,3,9,9\r\n"
    "[masked]\r\npictureindex=0\r\nmaskpictureindex=1\r\nskinrect=0,0,16,16\r\nlefttoppoint=4,4\r\n"
    "righttoppoint=12,4\r\nleftbottompoint=4,12\r\nrightbottompoint=12,12\r\nclientrect=4,4,12,12\r\n"
    "[stretched]\r\npictureindex=0\r\nskinrect=0,0,12,12\r\nlefttoppoint=3,3\r\nrighttoppoint=9,3\r\n"
    "leftbottompoint=3,9\r\nrightbottompoint=9,9\r\nclientrect=3,3,9,9\r\nstretcheffect=1\r\n"
    "[wrongkind]\r\nlightcolor=255\r\n"
    "[nopicture]\r\npictureindex=7\r\nskinrect=0,0,10,4\r\nlefttoppoint=2,0\r\nrighttoppoint=7,0\r\n";

void LoadTestSkin(TbsSkinData& data) {
    test::LoadSkin(data,
                   {SkinPicture::FromBmp(EncodeBmp(Picture(), 24), "picture"),
                    SkinPicture::FromBmp(EncodeBmp(Mask(), 24), "mask")},
                   kSkinText);
}

// The base as it stands: default look without a section, the body with one.
class BodyControl : public TbsSkinCustomControl {
  public:
    using TbsSkinCustomControl::TbsSkinCustomControl;
    void SetBackgroundFlags(bool force, bool draw) {
        forceBackground_ = force;
        drawBackground_ = draw;
    }
    int backgroundChanges = 0;

  protected:
    void ParentBackgroundChanged() override { ++backgroundChanges; }
};

class SkinCustomControlTest : public test::FormTest {
  protected:
    SkinCustomControlTest() { LoadTestSkin(data_); }

    BodyControl* Make(const std::string& section, int width, int height, TWinControl* parent = nullptr) {
        auto* c = new BodyControl(form_);
        c->SetParent(parent ? parent : form_);
        c->SetBounds(0, 0, width, height);
        c->SetSkinDataName(section);
        c->SetSkinData(&data_);
        return c;
    }

    TbsSkinData data_;
};

const Color kFace = Bitmap(1, 1, clBtnFace).GetPixel(0, 0);

TEST_F(SkinCustomControlTest, FixedSectionTakesItsSizeAndIsCopiedOneToOne) {
    BodyControl* c = Make("fixed", 50, 40);
    EXPECT_EQ(c->ResizeMode(), SkinResizeMode::Fixed);
    EXPECT_EQ(c->Width(), 6);
    EXPECT_EQ(c->Height(), 4);
    c->SetBounds(0, 0, 30, 30);  // a fixed section keeps its size
    EXPECT_EQ(c->Width(), 6);
    EXPECT_EQ(c->Height(), 4);
    Bitmap b = c->PaintToBitmap();
    EXPECT_EQ(b.GetPixel(0, 0), Pix(2, 2));
    EXPECT_EQ(b.GetPixel(5, 3), Pix(7, 5));
}

TEST_F(SkinCustomControlTest, WidthOnlySectionKeepsItsHeightAndRepeatsItsMiddle) {
    BodyControl* c = Make("across", 23, 30);
    EXPECT_EQ(c->ResizeMode(), SkinResizeMode::Width);
    EXPECT_EQ(c->Width(), 23);
    EXPECT_EQ(c->Height(), 4);  // whatever height was stored
    c->SetBounds(0, 0, 25, 17);
    EXPECT_EQ(c->Height(), 4);
    Bitmap b = c->PaintToBitmap();
    // Fixed ends: the first 2 and the last 3 columns of the section.
    EXPECT_EQ(b.GetPixel(1, 1), Pix(1, 1));
    EXPECT_EQ(b.GetPixel(22, 1), Pix(7, 1));
    EXPECT_EQ(b.GetPixel(24, 3), Pix(9, 3));
    // The 5-column middle repeated from column 2.
    EXPECT_EQ(b.GetPixel(2, 0), Pix(2, 0));
    EXPECT_EQ(b.GetPixel(7, 0), Pix(2, 0));
    EXPECT_EQ(b.GetPixel(21, 2), Pix(6, 2));
}

TEST_F(SkinCustomControlTest, NinePiecesKeepTheCornersAndRepeatBordersAndClient) {
    BodyControl* c = Make("nine", 20, 17);
    EXPECT_EQ(c->ResizeMode(), SkinResizeMode::Both);
    EXPECT_EQ(c->Width(), 20);
    EXPECT_EQ(c->Height(), 17);
    Bitmap b = c->PaintToBitmap();
    EXPECT_EQ(b.GetPixel(0, 0), Pix(0, 0));
    EXPECT_EQ(b.GetPixel(19, 16), Pix(11, 11));  // bottom-right corner moved
    EXPECT_EQ(b.GetPixel(17, 0), Pix(9, 0));     // top-right corner
    EXPECT_EQ(b.GetPixel(9, 0), Pix(3, 0));      // top border repeated (6 wide)
    EXPECT_EQ(b.GetPixel(9, 9), Pix(3, 3));      // client repeated both ways
    EXPECT_EQ(c->Fit().clientRect, (Rect{3, 3, 17, 14}));

    c->SetBackgroundFlags(true, false);  // a panel that draws its own client part
    b = c->PaintToBitmap();
    EXPECT_EQ(b.GetPixel(0, 0), Pix(0, 0));
    EXPECT_EQ(b.GetPixel(9, 9), kFace);
}

TEST_F(SkinCustomControlTest, NoUsableSectionMeansTheDefaultLookOrNoPicture) {
    BodyControl* missing = Make("nosuchsection", 30, 20);
    EXPECT_EQ(missing->SkinIndex(), -1);
    EXPECT_EQ(missing->Width(), 30);
    EXPECT_EQ(missing->PaintToBitmap().GetPixel(5, 5), kFace);

    auto* sized = new BodyControl(form_);
    sized->SetParent(form_);
    sized->SetDefaultWidth(44);
    sized->SetDefaultHeight(12);
    sized->SetSkinDataName("NINE");  // names match exactly, letter case too
    sized->SetSkinData(&data_);
    EXPECT_EQ(sized->SkinIndex(), -1);
    EXPECT_EQ(sized->Width(), 44);
    EXPECT_EQ(sized->Height(), 12);

    BodyControl* wrong = Make("wrongkind", 30, 20);
    EXPECT_GE(wrong->SkinIndex(), 0);
    EXPECT_EQ(wrong->ResizeMode(), SkinResizeMode::None);
    EXPECT_EQ(wrong->Width(), 30);

    BodyControl* blank = Make("nopicture", 30, 20);  // picture index past the list
    EXPECT_EQ(blank->ResizeMode(), SkinResizeMode::Width);
    EXPECT_EQ(blank->SkinPicture(), nullptr);
    EXPECT_EQ(blank->Height(), 4);
    EXPECT_EQ(blank->PaintToBitmap().GetPixel(5, 2), kFace);
}

TEST_F(SkinCustomControlTest, RegionIsTheMaskCutWithTheBodysPlan) {
    BodyControl* c = Make("masked", 20, 20);
    ASSERT_TRUE(c->WindowRegion());
    EXPECT_FALSE(c->WindowRegion()->Contains({0, 0}));  // the white corner
    EXPECT_FALSE(c->WindowRegion()->Contains({1, 1}));
    EXPECT_TRUE(c->WindowRegion()->Contains({2, 0}));
    EXPECT_TRUE(c->WindowRegion()->Contains({19, 19}));
    c->SetBounds(0, 0, 30, 25);  // the region follows the size
    EXPECT_TRUE(c->WindowRegion()->Contains({29, 24}));
    EXPECT_FALSE(c->WindowRegion()->Contains({30, 24}));

    c->SetSkinDataName("nine");  // a section without a mask: rectangular again
    c->ApplySkinData();
    EXPECT_FALSE(c->WindowRegion());
}

// A paint only reads: a new section name is looked up when it is set.
TEST_F(SkinCustomControlTest, RenamingTheSectionLooksItUpAtOnce) {
    BodyControl* c = Make("nine", 20, 20);
    c->SetSkinDataName("nosuchsection");
    EXPECT_EQ(c->SkinIndex(), -1);
    EXPECT_EQ(c->PaintToBitmap().GetPixel(0, 0), kFace);
    c->SetSkinDataName("nine");
    EXPECT_GE(c->SkinIndex(), 0);
    EXPECT_NE(c->PaintToBitmap().GetPixel(0, 0), kFace);
}

TEST_F(SkinCustomControlTest, StretchedBodyTellsItsChildrenWhenResized) {
    BodyControl* stretched = Make("stretched", 20, 20);
    BodyControl* plain = Make("nine", 20, 20);
    BodyControl* inStretched = Make("nosuchsection", 5, 5, stretched);
    BodyControl* inPlain = Make("nosuchsection", 5, 5, plain);
    stretched->SetBounds(0, 0, 30, 30);
    plain->SetBounds(0, 0, 30, 30);
    EXPECT_EQ(inStretched->backgroundChanges, 1);
    EXPECT_EQ(inPlain->backgroundChanges, 0);
    stretched->SetBounds(5, 5, 30, 30);  // a move is no resize
    EXPECT_EQ(inStretched->backgroundChanges, 1);
}

TEST_F(SkinCustomControlTest, RemovedSkinDataLeavesTheDefaultLookAndNoRegion) {
    auto* data = new TbsSkinData(form_);
    LoadTestSkin(*data);
    auto* c = new BodyControl(form_);
    c->SetParent(form_);
    c->SetBounds(0, 0, 20, 20);
    c->SetSkinDataName("masked");
    c->SetSkinData(data);
    ASSERT_TRUE(c->WindowRegion());
    delete data;
    EXPECT_EQ(c->SkinIndex(), -1);
    EXPECT_FALSE(c->WindowRegion());
    EXPECT_EQ(c->SkinPicture(), nullptr);
    EXPECT_EQ(c->PaintToBitmap().GetPixel(0, 0), kFace);
}

}  // namespace
}  // namespace dsp
