// Painting: one frame per form, children clipped to their parent's client
// area and to window regions, the non-client area, erase requests, and the
// headless screen that shows it all.

#include <functional>
#include <stdexcept>

#include "tests/support/app_fixture.h"
#include "tests/support/control_picture.h"

namespace dsp::test {
namespace {

class Counting : public TCustomControl {
  public:
    Counting(TComponent* owner, TWinControl* parent, Rect r, Color c) : TCustomControl(owner), color(c) {
        SetParent(parent);
        SetBoundsRect(r);
    }
    Color color;
    int paints = 0;
    std::function<void()> onPaint;

  protected:
    void Paint() override {
        ++paints;
        PaintCanvas()->FillRect(ClientRect(), color);
        if (onPaint) onPaint();
    }
};

// A form with a frame: 5 pixels left, 20 on top, painted black.
class FramedForm : public TForm {
  public:
    using TForm::TForm;

  protected:
    void WndProc(TMessage& m) override {
        if (m.Msg == kWmNcCalcSize) {
            auto* r = reinterpret_cast<Rect*>(m.LParam);
            r->left += 5;
            r->top += 20;
            return;
        }
        if (m.Msg == kWmNcPaint) {
            reinterpret_cast<Canvas*>(m.WParam)->FillRect({0, 0, Width(), Height()}, clBlack);
            return;
        }
        TForm::WndProc(m);
    }
};

class PaintTest : public AppTest {
  protected:
    Color Screen(int x, int y) { return host_->PixelAt({x, y}); }
};

TEST_F(PaintTest, ChildrenAreClippedToTheirParentsClientArea) {
    TForm* form = NewForm(Rect::FromOriginSize(50, 50, 200, 150));
    auto* panel = new Counting(form, form, Rect::FromOriginSize(10, 10, 50, 50), clLime);
    auto* child = new Counting(form, panel, Rect::FromOriginSize(40, 40, 30, 30), clRed);  // sticks out
    form->Show();
    // What the panel cuts off is never painted, so it is not invalidated either.
    child->Invalidate();
    EXPECT_EQ(form->DirtyRect(), Rect::FromOriginSize(10 + 40, 10 + 40, 10, 10));
    Process();
    EXPECT_EQ(Screen(50 + 5, 50 + 5), ResolveColor(clBtnFace));  // the form's erase fill
    EXPECT_EQ(Screen(50 + 10 + 20, 50 + 10 + 20), ResolveColor(clLime));
    EXPECT_EQ(Screen(50 + 10 + 45, 50 + 10 + 45), ResolveColor(clRed));
    EXPECT_EQ(Screen(50 + 10 + 55, 50 + 10 + 45), ResolveColor(clBtnFace));  // cut at the panel's edge
    EXPECT_EQ(Screen(40, 40), ResolveColor(clBlack));                        // the desktop
}

// Under a hold, controls' immediate repaints wait for one pass when the last
// hold ends; a hold left by an exception paints nothing and leaves the dirty
// region to the next pass.
TEST_F(PaintTest, APaintHoldPaintsEveryRepaintOnceWhenItEnds) {
    TForm* form = NewForm(Rect::FromOriginSize(0, 0, 200, 100));
    auto* a = new Counting(form, form, Rect::FromOriginSize(0, 0, 50, 50), clRed);
    auto* b = new Counting(form, form, Rect::FromOriginSize(100, 0, 50, 50), clBlue);
    form->Show();
    const int presents = host_->PresentCount();
    {
        TForm::PaintHold outer(*form);
        {
            TForm::PaintHold inner(*form);
            a->color = clYellow;
            a->Repaint();
            b->color = clLime;
            b->Repaint();
        }
        EXPECT_EQ(Screen(10, 10), ResolveColor(clRed));  // the outer hold still waits
        EXPECT_EQ(host_->PresentCount(), presents);
    }
    EXPECT_EQ(Screen(10, 10), ResolveColor(clYellow));
    EXPECT_EQ(Screen(110, 10), ResolveColor(clLime));
    EXPECT_EQ(a->paints, 2);
    EXPECT_EQ(b->paints, 2);
    EXPECT_EQ(host_->PresentCount(), presents + 1);

    a->color = clBlue;
    EXPECT_THROW(
        {
            TForm::PaintHold hold(*form);
            a->Repaint();
            throw std::runtime_error("handler failed");
        },
        std::runtime_error);
    EXPECT_FALSE(form->PaintHeld());
    EXPECT_EQ(a->paints, 2);
    a->Repaint();
    EXPECT_EQ(Screen(10, 10), ResolveColor(clBlue));
}

// Showing a form activates it; what its activation handler changes is in
// the one first paint.
TEST_F(PaintTest, AFormShownIsPaintedOnceAsItsActivationLeftIt) {
    TForm* form = NewForm(Rect::FromOriginSize(0, 0, 200, 100));
    auto* a = new Counting(form, form, Rect::FromOriginSize(0, 0, 50, 50), clRed);
    form->OnActivate = [&](TObject*) {
        a->color = clYellow;
        a->Repaint();
    };
    const int presents = host_->PresentCount();
    form->Show();
    EXPECT_EQ(Screen(10, 10), ResolveColor(clYellow));
    EXPECT_EQ(a->paints, 1);
    EXPECT_EQ(host_->PresentCount(), presents + 1);
}

// The screen shows what was presented, also while the form paints its next
// frame: a control painted earlier in the pass is not seen before the
// present.
TEST_F(PaintTest, TheScreenKeepsThePresentedFrameWhileTheNextIsPainted) {
    TForm* form = NewForm(Rect::FromOriginSize(0, 0, 200, 100));
    auto* a = new Counting(form, form, Rect::FromOriginSize(0, 0, 50, 50), clRed);
    auto* b = new Counting(form, form, Rect::FromOriginSize(100, 0, 50, 50), clBlue);
    form->Show();
    Color seen = kInvalidColor;
    b->onPaint = [&] { seen = Screen(10, 10); };
    a->color = clYellow;
    a->Invalidate();
    b->Invalidate();
    Process();
    EXPECT_EQ(b->paints, 2);
    EXPECT_EQ(seen, ResolveColor(clRed));
    EXPECT_EQ(Screen(10, 10), ResolveColor(clYellow));
}

TEST_F(PaintTest, InvalidatePaintsOnlyWhatIsDirtyOnTheNextPass) {
    TForm* form = NewForm(Rect::FromOriginSize(0, 0, 200, 100));
    auto* a = new Counting(form, form, Rect::FromOriginSize(0, 0, 50, 50), clRed);
    auto* b = new Counting(form, form, Rect::FromOriginSize(100, 0, 50, 50), clBlue);
    form->Show();
    int presents = host_->PresentCount();
    EXPECT_EQ(a->paints, 1);
    a->color = clYellow;
    a->Invalidate();
    EXPECT_EQ(Screen(10, 10), ResolveColor(clRed));  // nothing painted yet
    Process();
    EXPECT_EQ(Screen(10, 10), ResolveColor(clYellow));
    EXPECT_EQ(a->paints, 2);
    EXPECT_EQ(b->paints, 1);  // outside the dirty rectangle
    EXPECT_EQ(host_->PresentCount(), presents + 1);
    Process();
    EXPECT_EQ(host_->PresentCount(), presents + 1);  // nothing dirty, nothing presented
    b->Hide();
    Process();
    EXPECT_EQ(Screen(110, 10), ResolveColor(clBtnFace));
    // What changes while the window is hidden shows when it comes back.
    form->Hide();
    a->color = clLime;
    a->Invalidate();
    form->Show();
    Process();
    EXPECT_TRUE(form->Frame().GetPixel(10, 10) == ResolveColor(clLime));
}

TEST_F(PaintTest, WindowRegionsShapeControlsAndForms) {
    TForm* form = NewForm(Rect::FromOriginSize(0, 0, 100, 100));
    auto* c = new Counting(form, form, Rect::FromOriginSize(10, 10, 40, 40), clRed);
    c->SetWindowRegion(Region(Rect{0, 0, 20, 40}));  // its left half
    form->SetWindowRegion(Region(Rect{0, 0, 80, 100}));
    form->Show();
    EXPECT_EQ(Screen(15, 15), ResolveColor(clRed));
    EXPECT_EQ(Screen(40, 15), ResolveColor(clBtnFace));
    EXPECT_EQ(Screen(90, 15), ResolveColor(clBlack));  // outside the form's shape
    // Hit testing follows the shapes too.
    EXPECT_EQ(app_->Input().ControlAtScreen({15, 15}), c);
    EXPECT_EQ(app_->Input().ControlAtScreen({40, 15}), form);
    EXPECT_EQ(app_->Input().ControlAtScreen({90, 15}), nullptr);
}

TEST_F(PaintTest, TheNonClientAreaMovesTheClientAndIsPaintedByTheForm) {
    auto* form = new FramedForm(app_.get());
    form->SetBoundsRect(Rect::FromOriginSize(100, 100, 100, 100));
    auto* c = new Counting(form, form, Rect::FromOriginSize(0, 0, 10, 10), clRed);
    form->Show();
    EXPECT_EQ(form->ClientRect(), (Rect{0, 0, 95, 80}));
    EXPECT_EQ(c->ClientOrigin(), (Point{105, 120}));
    EXPECT_EQ(Screen(102, 110), ResolveColor(clBlack));
    EXPECT_EQ(Screen(106, 121), ResolveColor(clRed));
    // The frame is no client: the hit test says so and no control gets it.
    EXPECT_EQ(form->Perform(kWmNcHitTest, 0, MakeLParam(102, 110)), kHtNowhere);
    EXPECT_EQ(form->Perform(kWmNcHitTest, 0, MakeLParam(106, 121)), kHtClient);
}

TEST_F(PaintTest, AHandlerInFrontOfTheFormAnswersEraseRequests) {
    TForm* form = NewForm(Rect::FromOriginSize(0, 0, 50, 50));
    int erases = 0;
    TWndMethod previous = form->WindowProc;
    form->WindowProc = [&, previous](TMessage& m) {
        if (m.Msg == kWmEraseBkgnd) {
            ++erases;
            reinterpret_cast<Canvas*>(m.WParam)->FillRect({0, 0, 50, 50}, clYellow);
            m.Result = 1;
            return;
        }
        previous(m);
    };
    form->Show();
    EXPECT_EQ(erases, 1);
    EXPECT_EQ(Screen(25, 25), ResolveColor(clYellow));
    form->WindowProc = previous;  // the handler goes, the default comes back
    form->Invalidate();
    Process();
    EXPECT_EQ(Screen(25, 25), ResolveColor(clBtnFace));
}

TEST_F(PaintTest, PopupsShowAboveNormalFormsAndTheWorkAreaIsTheScreen) {
    EXPECT_EQ(app_->WorkArea(), (Rect{0, 0, 1280, 1024}));
    TForm* popup = app_->CreateForm<TForm>();
    popup->SetPopup(true);
    popup->SetBoundsRect(Rect::FromOriginSize(0, 0, 30, 30));
    popup->SetColor(clRed);
    popup->Show();
    TForm* form = NewForm(Rect::FromOriginSize(10, 10, 50, 50));
    form->Show();  // shown later, yet below the popup
    EXPECT_EQ(Screen(20, 20), ResolveColor(clRed));
    EXPECT_EQ(Screen(45, 45), ResolveColor(clBtnFace));
}

// An opaque child paints every pixel of its rectangle after its parent, so a
// repaint of pixels it covers leaves the parent out; a window region (pixels
// the child does not paint) or a child that is not opaque keeps it in. The
// screen shows the same either way.
TEST_F(PaintTest, AParentLeavesWhatItsOpaqueChildrenCoverToThem) {
    TForm* form = NewForm(Rect::FromOriginSize(0, 0, 200, 100));
    auto* panel = new Counting(form, form, Rect::FromOriginSize(0, 0, 100, 100), clLime);
    auto* child = new Counting(form, panel, Rect::FromOriginSize(10, 10, 30, 30), clRed);
    child->SetControlStyle(child->ControlStyle() | csOpaque);
    form->Show();
    ASSERT_EQ(panel->paints, 1);
    child->Invalidate();
    Process();
    EXPECT_EQ(panel->paints, 1);
    EXPECT_EQ(child->paints, 2);
    EXPECT_EQ(Screen(20, 20), ResolveColor(clRed));
    panel->InvalidateRect({5, 5, 50, 50});  // partly beside the child
    Process();
    EXPECT_EQ(panel->paints, 2);
    EXPECT_EQ(Screen(7, 7), ResolveColor(clLime));
    EXPECT_EQ(Screen(20, 20), ResolveColor(clRed));
    child->SetWindowRegion(Region(Rect{0, 0, 10, 10}));
    child->Invalidate();
    Process();
    EXPECT_EQ(panel->paints, 3);
    EXPECT_EQ(Screen(30, 30), ResolveColor(clLime));  // outside the child's region
    child->SetWindowRegion(std::nullopt);
    child->SetControlStyle(child->ControlStyle() & ~csOpaque);
    child->Invalidate();
    Process();
    EXPECT_EQ(panel->paints, 4);
    EXPECT_EQ(Screen(30, 30), ResolveColor(clRed));
}

// A repaint that one opaque control paints all of (nothing painted after it
// reaching in) goes through that control alone, not the rest of the window;
// a control painted over it in part sends the repaint to the parent holding
// both. The window's picture is the one a repaint of everything gives.
TEST_F(PaintTest, ARepaintOneControlCoversPaintsOnlyThatControl) {
    TForm* form = NewForm(Rect::FromOriginSize(0, 0, 200, 100));
    auto* panel = new Counting(form, form, Rect::FromOriginSize(0, 0, 100, 100), clLime);
    auto* beside = new Counting(form, form, Rect::FromOriginSize(120, 0, 50, 50), clBlue);
    auto* under = new Counting(form, panel, Rect::FromOriginSize(10, 10, 40, 40), clRed);
    auto* over = new Counting(form, panel, Rect::FromOriginSize(30, 30, 40, 40), clYellow);
    const std::vector<Counting*> all{panel, beside, under, over};
    for (Counting* c : all) c->SetControlStyle(c->ControlStyle() | csOpaque);
    form->Show();
    // Which of the four a repaint paints; the picture it leaves is checked
    // after the count (a full repaint paints them all).
    const auto repainted = [&](const std::function<void()>& invalidate) {
        std::vector<int> painted;
        for (Counting* c : all) painted.push_back(c->paints);
        invalidate();
        Process();
        for (std::size_t i = 0; i < all.size(); ++i) painted[i] = all[i]->paints - painted[i];
        EXPECT_TRUE(form->Frame() == WindowPicture(*form));
        return painted;
    };
    using Painted = std::vector<int>;
    EXPECT_EQ(repainted([&] { over->Invalidate(); }), (Painted{0, 0, 0, 1}));
    // Beside the control over it, then partly under it: the panel paints
    // its children again.
    EXPECT_EQ(repainted([&] { under->InvalidateRect({0, 0, 10, 10}); }), (Painted{0, 0, 1, 0}));
    EXPECT_EQ(repainted([&] { under->Invalidate(); }), (Painted{0, 0, 1, 1}));
    // A window region leaves pixels to what lies behind.
    over->SetWindowRegion(Region(Rect{0, 0, 20, 20}));
    EXPECT_EQ(repainted([&] { over->Invalidate(); }), (Painted{1, 0, 1, 1}));
    EXPECT_EQ(Screen(60, 60), ResolveColor(clLime));
}

}  // namespace
}  // namespace dsp::test
