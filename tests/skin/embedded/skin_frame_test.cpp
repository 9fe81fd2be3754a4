// TbsSkinFrame: the background by tile and by the three stretch types, its
// place in front of the window's handler, CtrlsSkinData, and forgetting a
// skin data object that is destroyed.
#include "skin/skin_frame.h"

#include <gtest/gtest.h>

#include "platform/framework/application.h"
#include "platform/framework/fake_time.h"
#include "platform/framework/form.h"
#include "platform/framework/headless_host.h"
#include "platform/graphics/bmp_file.h"
#include "skin/embedded/embedded_skins.h"
#include "skin/skin_package.h"
#include "skin/skin_zlib.h"
#include "tests/support/app_fixture.h"
#include "tests/support/golden.h"
#include "tests/support/test_skin.h"

namespace dsp {
namespace {

constexpr int kTileW = 4, kTileH = 3;

// Every tile pixel has its own colour, so a painted pixel tells which tile
// pixel it came from.
Color TileColor(int x, int y) { return static_cast<Color>(0x110000 * (x + 1) + 0x2200 * (y + 1) + 0x33); }

// A skin whose background is a 4 x 3 list picture, with the given stretch.
void LoadTileSkin(TbsSkinData& data, const std::string& stretch) {
    Bitmap tile(kTileW, kTileH);
    for (int y = 0; y < kTileH; ++y)
        for (int x = 0; x < kTileW; ++x) tile.SetPixel(x, y, TileColor(x, y));
    // The first of a repeated key wins.
    test::LoadSkin(data, {SkinPicture::FromBmp(EncodeBmp(tile, 24), "tile")},
                   "[FORMINFO]\r\n" + stretch + "bgpictureindex=0\r\n");
}

Bitmap Paint(const TbsSkinData* data, int width, int height) {
    Bitmap target(width, height, clWhite);
    Canvas canvas(target);
    TbsSkinFrame::PaintBackground(canvas, Rect{0, 0, width, height}, data);
    return target;
}

TEST(SkinFrameBackground, TilesUnscaledFromTheTopLeft) {
    TbsSkinData data;
    LoadTileSkin(data, "stretcheffect=0\r\n");
    Bitmap b = Paint(&data, 10, 7);
    EXPECT_EQ(b.GetPixel(0, 0), TileColor(0, 0));
    EXPECT_EQ(b.GetPixel(5, 4), TileColor(1, 1));
    EXPECT_EQ(b.GetPixel(9, 6), TileColor(1, 0));  // the last copies cut at the edges
}

TEST(SkinFrameBackground, TheThreeStretchTypes) {
    TbsSkinData data;
    LoadTileSkin(data, "stretcheffect=1\r\nstretchtype=stfull\r\n");
    Bitmap full = Paint(&data, 10, 7);
    EXPECT_EQ(full.GetPixel(0, 0), TileColor(0, 0));
    EXPECT_EQ(full.GetPixel(9, 6), TileColor(3, 2));
    EXPECT_EQ(full.GetPixel(4, 3), TileColor(1, 1));

    // Horizontal: stretched to the client height at the tile's width, repeated to the right.
    LoadTileSkin(data, "stretcheffect=1\r\nstretchtype=sthorz\r\n");
    Bitmap horz = Paint(&data, 10, 7);
    EXPECT_EQ(horz.GetPixel(5, 0), TileColor(1, 0));
    EXPECT_EQ(horz.GetPixel(5, 6), TileColor(1, 2));
    EXPECT_EQ(horz.GetPixel(9, 3), TileColor(1, 1));

    // Vertical: stretched to the client width at the tile's height, repeated downwards.
    LoadTileSkin(data, "stretcheffect=1\r\nstretchtype=stvert\r\n");
    Bitmap vert = Paint(&data, 10, 7);
    EXPECT_EQ(vert.GetPixel(9, 4), TileColor(3, 1));
    EXPECT_EQ(vert.GetPixel(3, 6), TileColor(1, 0));
    EXPECT_EQ(vert.GetPixel(0, 2), TileColor(0, 2));
}

TEST(SkinFrameBackground, ButtonFaceWithoutAUsableTile) {
    Color face = Bitmap(1, 1, clBtnFace).GetPixel(0, 0);
    EXPECT_EQ(Paint(nullptr, 5, 5).GetPixel(4, 4), face);
    TbsSkinData empty;
    EXPECT_EQ(Paint(&empty, 5, 5).GetPixel(0, 0), face);
    // A client rectangle beyond the main picture (here there is none) gives
    // no tile: button face, not pixels read from outside the picture.
    TbsSkinData data;
    LoadTileSkin(data, "bgpictureindex=-1\r\nclientrect=2,2,50,50\r\n");
    ASSERT_EQ(data.FormData().BGPictureIndex, -1);
    ASSERT_FALSE(data.Empty());
    EXPECT_EQ(Paint(&data, 5, 5).GetPixel(2, 2), face);
}

TEST(SkinFrameBackground, Skin1MatchesItsGoldenPicture) {
    TbsCompressedStoredSkin stored;
    LoadEmbeddedSkin(1, stored);
    TbsSkinData data;
    data.LoadFromCompressedStoredSkin(stored);
    Bitmap b = Paint(&data, 200, 150);
    EXPECT_TRUE(test::MatchesGolden(b, std::string(DSP_TEST_DATA) + "/golden", "skin1_background"));
}

// A control that takes a skin data object, as the skinned controls do.
class SkinnedProbe : public TCustomControl, public SkinDataUser {
  public:
    using TCustomControl::TCustomControl;
    TbsSkinData* SkinData() const override { return skinData; }
    void SetSkinData(TbsSkinData* value) override { skinData = value; }
    void ForgetSkinData() override {}
    void ApplySkinData() override {}
    TbsSkinData* skinData = nullptr;
};

class SkinFrameOnForm : public test::AppTest {
  protected:
    TForm* form_ = app_->CreateForm<TForm>();
};

TEST_F(SkinFrameOnForm, AnswersEraseInFrontOfTheWindowAndStepsAsideWhenFreed) {
    form_->SetBoundsRect(Rect{0, 0, 40, 30});
    form_->SetColor(clRed);
    TbsSkinData data;
    LoadTileSkin(data, "stretcheffect=0\r\n");
    auto* frame = new TbsSkinFrame(form_);
    frame->SetSkinData(&data);

    Bitmap target(form_->ClientWidth(), form_->ClientHeight(), clWhite);
    Canvas canvas(target);
    EXPECT_EQ(form_->Perform(kWmEraseBkgnd, reinterpret_cast<uintptr_t>(&canvas)), 1);
    EXPECT_EQ(target.GetPixel(5, 4), TileColor(1, 1));
    // Other messages still reach the window.
    form_->Perform(kWmSetText);
    form_->SetWidth(60);
    EXPECT_EQ(form_->Width(), 60);

    frame->SetDrawBackground(false);
    target.Fill(clWhite);
    form_->Perform(kWmEraseBkgnd, reinterpret_cast<uintptr_t>(&canvas));
    EXPECT_EQ(target.GetPixel(5, 4), clRed);

    delete frame;
    frame = nullptr;
    target.Fill(clWhite);
    form_->Perform(kWmEraseBkgnd, reinterpret_cast<uintptr_t>(&canvas));
    EXPECT_EQ(target.GetPixel(5, 4), clRed);
}

TEST_F(SkinFrameOnForm, CtrlsSkinDataReachesTheSkinnedControlsAndDestroyedSkinsAreForgotten) {
    form_->SetBoundsRect(Rect{0, 0, 40, 30});
    auto* probe = new SkinnedProbe(form_);
    probe->SetParent(form_);
    auto* frame = new TbsSkinFrame(form_);
    auto* data = new TbsSkinData(form_);
    frame->SetSkinData(data);
    frame->SetCtrlsSkinData(data);
    EXPECT_EQ(probe->skinData, data);

    delete data;
    EXPECT_EQ(frame->SkinData(), nullptr);
    EXPECT_EQ(frame->CtrlsSkinData(), nullptr);
    // Painting afterwards uses no freed skin: button face.
    Bitmap target(4, 4);
    Canvas canvas(target);
    form_->Perform(kWmEraseBkgnd, reinterpret_cast<uintptr_t>(&canvas));
    EXPECT_EQ(target.GetPixel(1, 1), Bitmap(1, 1, clBtnFace).GetPixel(0, 0));
}

}  // namespace
}  // namespace dsp
