// One headless form with one control of each kind: their default looks
// against golden pictures, and input through a disabled group box.

#include "controls/bevel.h"
#include "controls/button.h"
#include "controls/combo_box.h"
#include "controls/label.h"
#include "controls/numeric_edit.h"
#include "controls/panel.h"
#include "controls/popup_list_box.h"
#include "controls/scroll_bar.h"
#include "controls/slider.h"
#include "controls/spin_edit.h"
#include "controls/track_bar.h"
#include "platform/graphics/canvas.h"
#include "tests/support/control_picture.h"
#include "tests/support/form_fixture.h"
#include "tests/support/golden.h"

namespace dsp::test {
namespace {

const std::string kGolden = std::string(DSP_TEST_DATA) + "/golden";
// Glyph edges a shade off, and a few pixels of a glyph moved; fills exact.
constexpr GoldenOptions kWithText{.textTolerance = 32, .budget = 30};

// Paints a control alone (its window tree) into a bitmap of its size.
Bitmap Snapshot(TForm& form, TControl& control) { return ControlPicture(form, control, clBtnFace); }

class LooksTest : public FormTest {
  protected:
    void SetUp() override {
        group_ = new TbsSkinGroupBox(form_);
        group_->SetParent(form_);
        group_->SetBounds(10, 10, 300, 250);
        group_->SetCaption("GroupBox");

        track_ = new TbsSkinTrackBar(form_);
        track_->SetParent(group_);
        track_->SetVertical(true);
        track_->SetBounds(10, 34, 20, 112);
        track_->SetMaxValue(63);
        track_->SetValue(50);

        slider_ = new TbsSkinSlider(form_);
        slider_->SetParent(group_);
        slider_->SetBounds(40, 34, 150, 40);
        slider_->SetMaxValue(80);
        slider_->SetValue(40);

        button_ = new TbsSkinButton(form_);
        button_->SetParent(group_);
        button_->SetBounds(40, 84, 82, 25);
        button_->SetCaption("Connect");

        spin_ = new TbsSkinSpinEdit(form_);
        spin_->SetParent(group_);
        spin_->SetBounds(40, 119, 120, 20);
        spin_->SetValue(30);

        numeric_ = new TbsSkinNumericEdit(form_);
        numeric_->SetParent(group_);
        numeric_->SetBounds(170, 119, 33, 18);
        numeric_->SetValue(-3);

        combo_ = new TbsSkinComboBox(form_);
        combo_->SetParent(group_);
        combo_->SetBounds(40, 149, 120, 20);
        combo_->SetItems({"COM1", "COM2", "COM3", "COM4"});
        combo_->SetItemIndex(2);

        bevel_ = new TbsSkinBevel(form_);
        bevel_->SetParent(group_);
        bevel_->SetBounds(40, 179, 120, 30);

        label_ = new TbsSkinStdLabel(form_);
        label_->SetParent(group_);
        label_->SetBounds(170, 184, 60, 13);
        label_->SetCaption("MAIN:");

        status_ = new TbsSkinStatusBar(form_);
        status_->SetParent(form_);
        status_->SetBounds(0, 270, 640, 21);
        panel_ = new TbsSkinStatusPanel(form_);
        panel_->SetParent(status_);
        panel_->SetBounds(0, 0, 120, 21);
        panel_->SetCaption("Ready");

        scroll_ = new TbsSkinScrollBar(form_);
        scroll_->SetParent(form_);
        scroll_->SetKind(ScrollBarKind::sbVertical);
        scroll_->SetBounds(330, 10, 17, 164);
        scroll_->Model().SetParams(0, 10, 8, 3);
        Show();
    }

    // Pictures with a caption or digits allow for glyphs a shade off.
    void ExpectGolden(TControl& control, const std::string& name, GoldenOptions options) {
        EXPECT_TRUE(MatchesGolden(Snapshot(*form_, control), kGolden, name, options)) << name;
    }

    TbsSkinGroupBox* group_;
    TbsSkinTrackBar* track_;
    TbsSkinSlider* slider_;
    TbsSkinButton* button_;
    TbsSkinSpinEdit* spin_;
    TbsSkinNumericEdit* numeric_;
    TbsSkinComboBox* combo_;
    TbsSkinBevel* bevel_;
    TbsSkinStdLabel* label_;
    TbsSkinStatusBar* status_;
    TbsSkinStatusPanel* panel_;
    TbsSkinScrollBar* scroll_;
};

#if !defined(_WIN32)  // FreeType's glyph pixels; the Windows build draws text through GDI
TEST_F(LooksTest, DefaultLooksMatchTheirGoldenPictures) {
    ExpectGolden(*track_, "track_bar", kExactPicture);
    ExpectGolden(*slider_, "slider", kExactPicture);
    ExpectGolden(*bevel_, "bevel", kExactPicture);
    ExpectGolden(*scroll_, "scroll_bar", kExactPicture);
    ExpectGolden(*button_, "button", kWithText);
    ExpectGolden(*spin_, "spin_edit", kWithText);
    ExpectGolden(*numeric_, "numeric_edit", kWithText);
    ExpectGolden(*combo_, "combo_box", kWithText);
    ExpectGolden(*label_, "std_label", kWithText);
    ExpectGolden(*status_, "status_bar", kWithText);
    ExpectGolden(*group_, "group_box", kWithText);
    Click(combo_, 60, 10);
    ExpectGolden(combo_->ListBox(), "popup_list", kWithText);
}
#endif

TEST_F(LooksTest, DefaultLookNumbers) {
    // Track bar thumb: 16 x 8, framed in button shadow, at 50/63 of the travel.
    Bitmap t = Snapshot(*form_, *track_);
    Rect thumb = track_->CurrentLayout().thumb;
    EXPECT_EQ(t.GetPixel(thumb.left, thumb.top), ResolveColor(clBtnShadow));
    // A hovered button: dark blue frame round the light fill.
    host_->MouseMove(At(button_, 5, 5));
    Process();
    Bitmap b = Snapshot(*form_, *button_);
    EXPECT_EQ(b.GetPixel(0, 0), MakeColor(0, 0, 128));
    EXPECT_EQ(b.GetPixel(3, 3), MakeColor(182, 189, 210));
    // Pressed: the grey-blue fill.
    host_->MouseDown(At(button_, 5, 5));
    Process();
    EXPECT_EQ(Snapshot(*form_, *button_).GetPixel(3, 3), MakeColor(133, 147, 181));
    host_->MouseUp(At(button_, 5, 5));
    Process();
    // The group box's children are placed from its top-left corner, as the
    // stored layout gives them; its caption bar is drawn under them.
    EXPECT_EQ(group_->ClientRectInWindow(), (Rect{0, 0, group_->Width(), group_->Height()}));
    // The open list's selected row: highlight colour from the row's left edge.
    Click(combo_, 60, 10);
    Bitmap list = Snapshot(*form_, combo_->ListBox());
    EXPECT_EQ(list.GetPixel(2, 2 + 2 * 20 + 1), ResolveColor(clHighlight));
    EXPECT_EQ(list.GetPixel(2, 2 + 1 * 20 + 1), ResolveColor(clWindow));
}

TEST_F(LooksTest, DisabledGroupBoxBlocksInputToItsChildren) {
    int clicks = 0;
    int changes = 0;
    button_->OnClick = [&](TObject*) { ++clicks; };
    spin_->OnChange = [&](TObject*) { ++changes; };
    group_->SetEnabled(false);
    EXPECT_TRUE(button_->Enabled());
    Click(button_, 10, 10);
    Click(spin_, 110, 5);
    Click(combo_, 60, 10);
    host_->Type("5");
    Process();
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(changes, 0);
    EXPECT_FALSE(combo_->DroppedDown());
    group_->SetEnabled(true);
    Click(button_, 10, 10);
    EXPECT_EQ(clicks, 1);
}

TEST_F(LooksTest, CaptionsRepaintAtOnce) {
    form_->PaintDirty();
    Bitmap before = form_->Frame();
    button_->SetCaption("Disconnect");
    // Without running the loop: the window's frame already shows it.
    EXPECT_FALSE(form_->Frame() == before);
}

}  // namespace
}  // namespace dsp::test
