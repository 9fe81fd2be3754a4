// Painters drawn from a visual state alone, with the application's font
// engine: where the edit's caret goes, how a disabled std label is engraved,
// and that a status panel's look comes out the same from its visual as from
// the control.
#include <gtest/gtest.h>

#include <algorithm>

#include "controls/custom_edit.h"
#include "controls/label.h"
#include "controls/look/edit_look.h"
#include "controls/look/label_look.h"
#include "controls/look/std_label_look.h"
#include "platform/text/text_format.h"
#include "tests/support/form_fixture.h"

namespace dsp {
namespace {

constexpr Color kPaper = MakeColor(255, 255, 255);
constexpr Color kInk = MakeColor(200, 0, 0);

class LookPaintersTest : public test::FormTest {
  protected:
    Bitmap Paper(int w, int h) { return Bitmap(w, h, kPaper); }

    // The columns holding `color`, first and last; -1 for none.
    static std::pair<int, int> Columns(const Bitmap& b, Color color) {
        int first = -1;
        int last = -1;
        for (int x = 0; x < b.Width(); ++x)
            for (int y = 0; y < b.Height(); ++y)
                if (b.GetPixel(x, y) == color) {
                    if (first < 0) first = x;
                    last = x;
                }
        return {first, last};
    }
};

TEST_F(LookPaintersTest, EditCaretGoesAfterTheBytesBeforeItAndOnlyWhenEnabled) {
    EditTextVisual v;
    v.rect = {2, 2, 118, 22};
    v.text = "音量 12";
    v.font = TFont("Arial", 14, 0, kInk);
    v.caret = true;
    v.caretPos = 3;  // after the first character's three bytes
    Bitmap b = Paper(120, 24);
    Canvas c(b);
    LookContext look{c, app_->Fonts()};
    PaintEditText(look, v);

    const int x = v.rect.left + 1 + app_->Fonts().TextExtent(v.font, "音").cx;
    const int h = app_->Fonts().Metrics(v.font).height;
    const int top = v.rect.top + (v.rect.Height() - h) / 2;
    for (int y = top; y < top + h; ++y) EXPECT_EQ(b.GetPixel(x, y), kInk) << "caret row " << y;

    // Disabled: no caret, the text aligned by the box's alignment.
    v.enabled = false;
    v.alignment = TAlignment::taRightJustify;
    Bitmap right = Paper(120, 24);
    Canvas rc(right);
    LookContext rightLook{rc, app_->Fonts()};
    PaintEditText(rightLook, v);
    const auto [first, last] = Columns(right, kInk);
    EXPECT_GT(first, x);  // no caret column left of the text
    EXPECT_GE(last, v.rect.right - 4);
    EXPECT_LT(last, v.rect.right - 1);
}

// Engraved: the caption in the highlight colour one pixel down and right,
// under the caption in the shadow colour. Checked against the label drawn
// enabled in each colour, so it holds whatever coverage the font engine
// gives a glyph's edges: where only one of the two covers a pixel, that one
// shows unchanged.
TEST_F(LookPaintersTest, DisabledStdLabelIsEngravedWithTheHighlightOneDownAndRight) {
    constexpr Color kHighlight = MakeColor(0, 200, 0);
    constexpr Color kShadow = MakeColor(0, 0, 200);
    StdLabelVisual v;
    v.width = 60;
    v.height = 20;
    v.caption = "MAIN";
    v.font = TFont("Arial", 14, 0, kInk);
    v.format = kDtLeft;
    v.highlight = kHighlight;
    v.shadow = kShadow;
    auto paint = [&](const StdLabelVisual& visual) {
        Bitmap b = Paper(visual.width, visual.height);
        Canvas c(b);
        LookContext look{c, app_->Fonts()};
        PaintStdLabel(look, visual);
        return b;
    };
    auto plain = [&](Color color) {
        StdLabelVisual in = v;
        in.font.SetColor(color);
        return paint(in);
    };
    const Bitmap shadow = plain(kShadow);
    const Bitmap highlight = plain(kHighlight);
    v.enabled = false;
    const Bitmap engraved = paint(v);

    auto under = [&](int x, int y) { return x > 0 && y > 0 ? highlight.GetPixel(x - 1, y - 1) : kPaper; };
    int highlightShown = 0;
    int wrong = 0;
    for (int y = 0; y < v.height; ++y) {
        for (int x = 0; x < v.width; ++x) {
            const Color got = engraved.GetPixel(x, y);
            if (shadow.GetPixel(x, y) == kPaper) {
                wrong += got != under(x, y);
                highlightShown += under(x, y) != kPaper;
            } else if (under(x, y) == kPaper) {
                wrong += got != shadow.GetPixel(x, y);
            }
        }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(highlightShown, 0);
}

TEST_F(LookPaintersTest, StatusPanelFromItsVisualMatchesTheControl) {
    // Two glyph cells of 8 x 8: the first green, the second red; the
    // bottom-left pixel's colour is transparent in both.
    constexpr Color kKey = MakeColor(255, 0, 255);
    Bitmap glyph(16, 8, MakeColor(0, 160, 0));
    Canvas gc(glyph);
    gc.FillRect({8, 0, 16, 8}, kInk);
    gc.FillRect({0, 7, 16, 8}, kKey);

    auto* panel = new TbsSkinStatusPanel(form_);
    panel->SetParent(form_);
    panel->SetBounds(0, 0, 120, 21);
    panel->SetCaption("Ready");
    panel->SetGlyph(glyph);
    panel->SetNumGlyphs(2);
    panel->SetEnabled(false);
    Show();

    LabelVisual v;
    v.width = 120;
    v.height = 21;
    v.area = {2, 0, 118, 21};
    v.indent = 8 + 3;
    v.caption = "Ready";
    v.font = panel->DefaultFont();
    v.font.SetColor(clGrayText);
    v.format = kDtLeft | kDtVCenter | kDtSingleLine;
    v.glyph = &glyph;
    v.glyphCell = {8, 0, 16, 8};  // disabled: the second cell
    Bitmap alone(120, 21);
    Canvas c(alone);
    LookContext look{c, app_->Fonts()};
    PaintLabelDefault(look, v);

    const Bitmap control = panel->PaintToBitmap();
    EXPECT_TRUE(control == alone);
    const int glyphTop = (21 - 8) / 2;
    EXPECT_EQ(alone.GetPixel(2, glyphTop), kInk);
    EXPECT_EQ(alone.GetPixel(2, glyphTop + 7), ResolveColor(clBtnFace));  // the key shows the box
}

}  // namespace
}  // namespace dsp
