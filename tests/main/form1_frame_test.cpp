// The window's skinned frame on the headless screen: the whole window,
// active and inactive, against golden pictures, and the frame's commands on
// the real form (roll-up, close).

#include "platform/graphics/canvas.h"
#include "skin/form/skin_form.h"
#include "tests/main/form1_fixture.h"
#include "tests/platform/text/golden.h"

namespace dsp::test {
namespace {

// The window as the screen shows it (its shape cuts the corners), with the
// client area blanked: the controls have golden pictures of their own, and
// this one is about the frame round them.
Bitmap WindowOnScreen(const HeadlessHost& host, const TForm& form) {
    Bitmap out(form.Width(), form.Height());
    Canvas canvas(out);
    canvas.CopyRect({0, 0}, host.Screen(), form.BoundsRect());
    canvas.FillRect(form.ClientRectInWindow(), clBlack);
    return out;
}

// Text in the caption and the controls may rasterise a little differently
// elsewhere; the frame itself is exact.
constexpr GoldenOptions kWindowGolden{48, 400};

TEST_F(Form1Test, TheWholeWindowActiveAndInactive) {
    Start();
    EXPECT_EQ(form_->ClientWidth(), 692);
    EXPECT_EQ(form_->ClientHeight(), 473);
    EXPECT_EQ(form_->Width(), 704);
    EXPECT_EQ(form_->Height(), 509);
    EXPECT_TRUE(MatchesGolden(WindowOnScreen(*host_, *form_), DSP_TEST_DATA "/golden", "form1_active",
                              kWindowGolden));
    app_->ActivateForm(nullptr);
    Process();
    EXPECT_TRUE(MatchesGolden(WindowOnScreen(*host_, *form_), DSP_TEST_DATA "/golden", "form1_inactive",
                              kWindowGolden));
}

TEST_F(Form1Test, TheFrameRollsTheWindowUpAndClosesIt) {
    Start();
    auto* frame = dynamic_cast<TbsSkinForm*>(form_->FindComponent("bsSkinForm1"));
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->BorderIcons(), unsigned(biSystemMenu | biMinimize | biMaximize | biRollUp));
    const Rect caption = frame->FindObject("caption1")->ObjectRect();
    const Point at{form_->Left() + caption.left + 20, form_->Top() + 12};
    for (int i = 0; i < 2; ++i) {
        host_->MouseMove(at);
        host_->Click(at);
    }
    Process();
    EXPECT_TRUE(frame->RollUpState());
    EXPECT_EQ(form_->Height(), 36);
    AdvanceTime(*app_, *clock_, 600);
    for (int i = 0; i < 2; ++i) host_->Click(at);
    Process();
    EXPECT_EQ(form_->Height(), 509);
    EXPECT_EQ(form_->ClientHeight(), 473);

    const Rect close = frame->FindObject("closebutton")->ObjectRect();
    const Point onClose{form_->Left() + close.left + 8, form_->Top() + close.top + 8};
    host_->MouseMove(onClose);
    host_->Click(onClose);
    Process();
    EXPECT_TRUE(app_->Terminated());
}

}  // namespace
}  // namespace dsp::test
