// Skinned panels, group boxes, status panels, std labels and bevels on a
// synthetic skin: the body rules, the caption strip, the fold height, the
// children's client rectangle and the font and colour rules.
#include <gtest/gtest.h>

#include "controls/bevel.h"
#include "controls/label.h"
#include "controls/panel.h"
#include "tests/support/form_fixture.h"
#include "tests/support/test_skin.h"

namespace dsp {
namespace {

constexpr Color kBorder = 0x404040;
constexpr Color kClient = 0x505050;

// A 20 x 30 panel picture: a 2-pixel border round the client part, with a
// 6-pixel caption strip at the top of the client.
Bitmap PanelPicture() {
    Bitmap b(20, 30, kBorder);
    Canvas c(b);
    c.FillRect({2, 2, 18, 28}, kClient);
    return b;
}

const char* const kIni =
    "[SKINCONTROLS]\r\ncount=5\r\n0=panel:panel\r\n1=groupbox:panel\r\n2=statuspanel:label\r\n"
    "3=stdlabel:stdlabel\r\n4=bevel:bevel\r\n"
    "[panel]\r\npictureindex=0\r\nskinrect=0,0,20,30\r\nlefttoppoint=2,2\r\nrighttoppoint=18,2\r\n"
    "leftbottompoint=2,28\r\nrightbottompoint=18,28\r\nclientrect=2,2,18,28\r\nfontcolor=255\r\n"
    "[groupbox]\r\npictureindex=0\r\nskinrect=0,0,20,30\r\nlefttoppoint=2,8\r\nrighttoppoint=18,8\r\n"
    "leftbottompoint=2,28\r\nrightbottompoint=18,28\r\nclientrect=2,8,18,28\r\ncaptionrect=3,1,17,7\r\n"
    "alignment=tacenter\r\nfontname=DejaVu Sans\r\nfontheight=12\r\nfontcolor=65280\r\n"
    "[statuspanel]\r\npictureindex=0\r\nskinrect=0,0,20,30\r\nlefttoppoint=2,0\r\nrighttoppoint=18,0\r\n"
    "clientrect=2,2,18,28\r\nfontname=DejaVu Serif\r\nfontheight=11\r\nfontcolor=16711680\r\n"
    "[stdlabel]\r\nfontname=DejaVu Sans Mono\r\nfontheight=15\r\nfontcolor=16711680\r\n"
    "[bevel]\r\nlightcolor=255\r\ndarkcolor=65280\r\n";

class SkinPanelsTest : public test::FormTest {
  protected:
    SkinPanelsTest() { test::LoadSkin(data_, {PanelPicture()}, kIni); }

    template <class T>
    T* Make(const std::string& section, int w, int h) {
        auto* c = new T(form_);
        c->SetParent(form_);
        c->SetBounds(0, 0, w, h);
        c->SetSkinDataName(section);
        c->SetSkinData(&data_);
        return c;
    }

    TbsSkinData data_;
};

TEST_F(SkinPanelsTest, BorderlessPanelIsCoveredByItsClientPart) {
    auto* p = Make<TbsSkinPanel>("panel", 50, 40);
    Bitmap framed = p->PaintToBitmap();
    EXPECT_EQ(framed.GetPixel(0, 0), kBorder);
    EXPECT_EQ(framed.GetPixel(49, 39), kBorder);
    EXPECT_EQ(framed.GetPixel(25, 20), kClient);
    p->SetBorderStyle(TbsSkinBorderStyle::bvNone);
    Bitmap bare = p->PaintToBitmap();
    for (Point at : {Point{0, 0}, Point{49, 39}, Point{25, 20}})
        EXPECT_EQ(bare.GetPixel(at.x, at.y), kClient);
}

TEST_F(SkinPanelsTest, GroupBoxCaptionStripWidensAndChildrenGoInTheMovedClient) {
    auto* g = Make<TbsSkinGroupBox>("groupbox", 60, 50);
    EXPECT_EQ(g->SkinCaptionRect(), (Rect{3, 1, 57, 7}));
    EXPECT_EQ(g->ChildClientRect(), (Rect{2, 8, 58, 48}));
    g->SetTransparentMode(true);
    EXPECT_EQ(g->SkinCaptionRect(), (Rect{3, 1, 17, 7}));
    g->SetTransparentMode(false);
    // The caption is drawn in the section's colour, inside the strip only.
    g->SetCaption("WWWW");
    Bitmap b = g->PaintToBitmap();
    int green = 0;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 60; ++x) {
            const Color c = b.GetPixel(x, y);
            if (c == kBorder || c == kClient) continue;
            // Anything else is caption ink: green over the grey body.
            EXPECT_GT((c >> 8) & 0xFF, c & 0xFF) << x << "," << y;
            ++green;
            EXPECT_TRUE((Rect{3, 1, 57, 7}).Contains(Point{x, y})) << x << "," << y;
        }
    EXPECT_GT(green, 0);
}

TEST_F(SkinPanelsTest, FoldingWithASkinKeepsWhatLiesOutsideTheClient) {
    auto* g = Make<TbsSkinGroupBox>("groupbox", 60, 50);
    g->SetRollUpMode(true);
    g->SetRollUpState(true);
    EXPECT_EQ(g->Height(), 10);  // 8 above the client, 2 below
    EXPECT_EQ(g->RealHeight(), 50);
    g->SetRollUpState(false);
    EXPECT_EQ(g->Height(), 50);

    auto* plain = Make<TbsSkinGroupBox>("nosuchsection", 60, 50);
    plain->SetRollUpMode(true);
    plain->SetRollUpState(true);
    EXPECT_EQ(plain->Height(), 23);  // the default caption bar and a pixel
}

TEST_F(SkinPanelsTest, StatusPanelFontRules) {
    auto* s = Make<TbsSkinStatusPanel>("statuspanel", 80, 30);
    TFont f = s->DrawFont();
    EXPECT_EQ(f.Name(), "DejaVu Serif");
    EXPECT_EQ(f.Color(), 0xFF0000u);
    s->SetUseSkinFont(false);
    f = s->DrawFont();
    EXPECT_EQ(f.Name(), s->DefaultFont().Name());
    EXPECT_EQ(f.Color(), 0xFF0000u);  // the default font in the skin's colour
    s->SetUseSkinFontColor(false);
    EXPECT_EQ(s->DrawFont().Color(), s->DefaultFont().Color());
}

TEST_F(SkinPanelsTest, StdLabelKeepsItsOwnFontButTakesTheSkinsColour) {
    auto* l = new TbsSkinStdLabel(form_);
    l->SetParent(form_);
    TFont own("DejaVu Sans", 11, 0, 0x123456);
    l->SetFont(own);
    l->SetUseSkinFont(false);
    l->SetSkinData(&data_);
    EXPECT_EQ(l->DrawFont().Name(), "DejaVu Sans");
    EXPECT_EQ(l->DrawFont().Height(), 11);
    EXPECT_EQ(l->DrawFont().Color(), 0xFF0000u);
    l->SetUseSkinFont(true);
    EXPECT_EQ(l->DrawFont().Name(), "DejaVu Sans Mono");
    l->SetUseSkinColor(false);
    EXPECT_EQ(l->DrawFont().Color(), 0x123456u);
}

TEST_F(SkinPanelsTest, BevelSwitchesToTheSectionsColours) {
    auto* b = new TbsSkinBevel(form_);
    b->SetParent(form_);
    EXPECT_EQ(b->LightColor(), clBtnHighlight);
    EXPECT_EQ(b->DarkColor(), clBtnShadow);
    b->SetSkinData(&data_);
    EXPECT_EQ(b->LightColor(), 0x0000FFu);
    EXPECT_EQ(b->DarkColor(), 0x00FF00u);
    b->SetShape(TBevelShape::bsTopLine);
    b->SetStyle(TBevelStyle::bsRaised);
    Bitmap painted = b->PaintToBitmap(clBlack);
    EXPECT_EQ(painted.GetPixel(5, 0), 0x0000FFu);
    EXPECT_EQ(painted.GetPixel(5, 1), 0x00FF00u);
    b->SetSkinDataName("nosuchsection");
    b->ApplySkinData();
    EXPECT_EQ(b->LightColor(), clBtnHighlight);
}

}  // namespace
}  // namespace dsp
