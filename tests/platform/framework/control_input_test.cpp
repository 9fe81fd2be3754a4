// Input routing end to end: host events injected at screen coordinates reach
// the right control as messages.

#include "platform/framework/mouse_message.h"
#include "tests/platform/framework/probe.h"
#include "tests/support/app_fixture.h"

namespace dsp::test {
namespace {

using Log = std::vector<std::string>;

class InputTest : public AppTest {
  protected:
    void SetUp() override {
        form_ = NewForm(Rect::FromOriginSize(100, 100, 300, 200));
        form_->SetName("Form1");
        form_->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int x, int y) {
            log_.push_back("Form1:down " + std::to_string(x) + "," + std::to_string(y));
        };
        panel_ = Make("Panel", form_, Rect::FromOriginSize(10, 10, 150, 100));
        btn_ = Make("Btn", panel_, Rect::FromOriginSize(5, 5, 50, 30));
        other_ = Make("Other", form_, Rect::FromOriginSize(200, 10, 50, 30));
        form_->Show();
        Process();
        log_.clear();
    }
    void TearDown() override { app_.reset(); }
    Probe* Make(const std::string& name, TWinControl* parent, Rect r) {
        auto* p = new Probe(form_, parent, r, &log_);
        p->SetName(name);
        return p;
    }
    // Screen point of a client point of a control.
    Point At(TControl* c, int x, int y) { return c->ClientToScreen({x, y}); }

    TForm* form_ = nullptr;
    Probe* panel_ = nullptr;
    Probe* btn_ = nullptr;
    Probe* other_ = nullptr;
    Log log_;
};

TEST_F(InputTest, ClickReachesTheDeepestControlInItsOwnCoordinates) {
    EXPECT_EQ(At(btn_, 0, 0), (Point{115, 115}));
    host_->Click(At(btn_, 3, 4));
    Process();
    EXPECT_EQ(log_, (Log{"Btn:enter", "Btn:move 3,4", "Btn:down 3,4", "Btn:capturelost", "Btn:click",
                         "Btn:up 3,4"}));
}

// Every mouse message decodes to the event it was made for, with its point
// in the space its kind measures it in (screen for non-client, client else).
TEST_F(InputTest, MouseMessagesDecodeToWhatTheyWereMadeFor) {
    const Point screen = At(btn_, 7, 9);
    for (bool nonClient : {false, true})
        for (MouseAction action :
             {MouseAction::Move, MouseAction::Down, MouseAction::Up, MouseAction::DoubleClick})
            for (TMouseButton button :
                 {TMouseButton::mbLeft, TMouseButton::mbRight, TMouseButton::mbMiddle}) {
                const uint32_t msg = MouseMessageNumber(action, button, nonClient);
                if (nonClient && button == TMouseButton::mbMiddle && action != MouseAction::Move) {
                    EXPECT_EQ(msg, kWmNull);
                    continue;
                }
                const MousePoint at = nonClient ? MousePoint::OnScreen(screen) : MousePoint::InClient({7, 9});
                const std::optional<MouseMessage> m = DecodeMouse({msg, kHtCaption, at.Pack(), 0});
                ASSERT_TRUE(m.has_value()) << msg;
                EXPECT_EQ(m->action, action) << msg;
                EXPECT_EQ(m->nonClient, nonClient) << msg;
                if (action != MouseAction::Move) {
                    EXPECT_EQ(m->button, button) << msg;
                }
                EXPECT_EQ(m->point.Screen(*btn_), screen) << msg;
                EXPECT_EQ(m->point.Client(*btn_), (Point{7, 9})) << msg;
            }
    EXPECT_FALSE(DecodeMouse({kWmKeyDown, 0, 0, 0}).has_value());
    EXPECT_EQ(PointOf({kWmNcHitTest, 0, MousePoint::OnScreen(screen).Pack(), 0})->Client(*btn_),
              (Point{7, 9}));
}

TEST_F(InputTest, ADisabledParentBlocksInputToItsChildrenWithoutChangingTheirEnabled) {
    panel_->SetEnabled(false);
    EXPECT_TRUE(btn_->Enabled());
    EXPECT_FALSE(btn_->EnabledThroughParents());
    EXPECT_FALSE(btn_->CanFocus());
    EXPECT_FALSE(btn_->SetFocus());
    host_->Click(At(btn_, 3, 4));
    Process();
    // The nearest enabled window, the form, gets the press instead.
    EXPECT_EQ(log_, (Log{"Form1:down 18,19"}));

    log_.clear();
    panel_->SetEnabled(true);
    btn_->SetEnabled(false);
    host_->MouseDown(At(btn_, 3, 4));
    Process();
    EXPECT_EQ(log_, (Log{"Panel:enter", "Panel:move 8,9", "Panel:down 8,9"}));
}

TEST_F(InputTest, CaptureKeepsTheMouseUntilReleaseAndClickNeedsTheReleaseInside) {
    host_->MouseDown(At(btn_, 3, 4));
    Process();
    EXPECT_TRUE(btn_->MouseCapture());
    log_.clear();
    host_->MouseMove(At(other_, 1, 1));  // over another control
    host_->MouseUp(At(other_, 1, 1));
    Process();
    Point rel = btn_->ScreenToClient(At(other_, 1, 1));
    std::string p = std::to_string(rel.x) + "," + std::to_string(rel.y);
    EXPECT_EQ(log_, (Log{"Btn:leave", "Other:enter", "Btn:move " + p, "Btn:capturelost", "Btn:up " + p}));
    EXPECT_EQ(app_->Input().Capture(), nullptr);

    // Disabling the captured control takes the capture away.
    host_->MouseDown(At(btn_, 3, 4));
    Process();
    log_.clear();
    btn_->SetEnabled(false);
    EXPECT_EQ(log_, (Log{"Btn:capturelost"}));
    EXPECT_FALSE(btn_->MouseCapture());
}

TEST_F(InputTest, DoubleClickNeedsTheSecondPressWithinTheIntervalAndTheStyle) {
    host_->Click(At(btn_, 3, 4));
    Process();
    Advance(300);
    host_->Click(At(btn_, 4, 4));
    Process();
    Advance(300);
    host_->Click(At(btn_, 4, 4));  // a third press starts over
    Process();
    Advance(kDoubleClickMs + 1);
    host_->Click(At(btn_, 4, 4));  // too late
    Process();
    Log presses;
    for (auto& s : log_)
        if (s.find(":down") != std::string::npos || s.find("dblclick") != std::string::npos)
            presses.push_back(s);
    EXPECT_EQ(presses,
              (Log{"Btn:down 3,4", "Btn:dblclick", "Btn:down2 4,4", "Btn:down 4,4", "Btn:down 4,4"}));

    log_.clear();
    other_->SetControlStyle(other_->ControlStyle() & ~csDoubleClicks);
    host_->Click(At(other_, 1, 1));
    host_->Click(At(other_, 1, 1));
    Process();
    EXPECT_EQ(std::count(log_.begin(), log_.end(), "Other:down 1,1"), 2);
    EXPECT_EQ(std::count(log_.begin(), log_.end(), "Other:click"), 2);
}

TEST_F(InputTest, FocusMovesByTabOrderSkippingWhatCannotTakeIt) {
    ASSERT_TRUE(btn_->SetFocus());
    EXPECT_TRUE(btn_->Focused());
    EXPECT_EQ(form_->ActiveControl(), btn_);
    log_.clear();
    host_->PressKey(kVkTab);  // Panel, Btn (inside it), Other: Btn -> Other
    Process();
    EXPECT_EQ(app_->FocusedControl(), other_);
    EXPECT_EQ(log_, (Log{"Btn:killfocus", "Other:setfocus"}));
    host_->PressKey(kVkTab);  // wraps round to Panel
    Process();
    EXPECT_EQ(app_->FocusedControl(), panel_);
    host_->PressKey(kVkTab, ssShift);
    Process();
    EXPECT_EQ(app_->FocusedControl(), other_);

    other_->SetTabOrder(0);  // now Other, Panel, Btn
    btn_->SetTabStop(false);
    host_->PressKey(kVkTab, ssShift);  // from Other backwards: Btn has no tab stop -> Panel
    Process();
    EXPECT_EQ(app_->FocusedControl(), panel_);

    // Hiding the focused control's parent leaves the focus nowhere.
    btn_->SetFocus();
    panel_->Hide();
    EXPECT_EQ(app_->FocusedControl(), nullptr);
    EXPECT_EQ(form_->ActiveControl(), nullptr);
}

TEST_F(InputTest, ArrowKeysMoveTheFocusUnlessTheControlAsksForThem) {
    other_->SetFocus();
    log_.clear();
    host_->PressKey(kVkRight);
    Process();
    EXPECT_EQ(app_->FocusedControl(), panel_);  // the next sibling, round the end
    EXPECT_TRUE(std::find(log_.begin(), log_.end(), "Other:key 39") == log_.end());

    btn_->dlgCode = kDlgcWantArrows;
    btn_->SetFocus();
    log_.clear();
    host_->PressKey(kVkRight);
    host_->PressKey(kVkReturn);
    host_->Type("中a");
    Process();
    EXPECT_EQ(app_->FocusedControl(), btn_);
    EXPECT_EQ(log_, (Log{"Btn:key 39", "Btn:key 13", "Btn:char 13", "Btn:char 20013", "Btn:char 97"}));
}

TEST_F(InputTest, WheelGoesToTheFocusAndClimbsUntilHandled) {
    btn_->SetFocus();
    log_.clear();
    host_->Wheel(At(other_, 1, 1), -120);
    Process();
    EXPECT_EQ(log_, (Log{"Btn:wheel -120"}));
    log_.clear();
    btn_->wheelHandled_ = false;
    host_->Wheel(At(other_, 1, 1), 240);
    Process();
    EXPECT_EQ(log_, (Log{"Btn:wheel 240", "Panel:wheel 240"}));
}

TEST_F(InputTest, PopupsGetTheMouseButNeverTheActivation) {
    btn_->SetFocus();
    TForm* popup = app_->CreateForm<TForm>();
    popup->SetPopup(true);
    popup->SetBoundsRect(Rect::FromOriginSize(120, 150, 100, 100));  // over the form
    auto* item = new Probe(popup, popup, Rect::FromOriginSize(0, 0, 100, 100), &log_);
    item->SetName("Item");
    popup->Show();
    Process();
    log_.clear();
    host_->Click({130, 160});
    Process();
    EXPECT_EQ(log_, (Log{"Item:enter", "Item:move 10,10", "Item:down 10,10", "Item:capturelost", "Item:click",
                         "Item:up 10,10"}));
    EXPECT_EQ(app_->ActiveForm(), form_);
    EXPECT_EQ(app_->FocusedControl(), btn_);
    EXPECT_FALSE(item->CanFocus());
    EXPECT_EQ(app_->Input().ControlAtScreen({130, 160}), item);
    popup->Hide();
    EXPECT_EQ(app_->Input().ControlAtScreen({130, 160}), panel_);
}

TEST_F(InputTest, AnExceptionFromAHandlerIsReportedAndTheLoopGoesOn) {
    btn_->OnClick = [](TObject*) { throw std::runtime_error("Write error"); };
    host_->Click(At(btn_, 3, 4));
    host_->Click(At(other_, 1, 1));
    Process();
    ASSERT_EQ(host_->MessageBoxes().size(), 1u);
    EXPECT_EQ(host_->MessageBoxes()[0].text, "Write error");
    EXPECT_EQ(host_->MessageBoxes()[0].caption, app_->Title());
    EXPECT_TRUE(std::find(log_.begin(), log_.end(), "Other:click") != log_.end());
}

class MessageForm : public TForm {
  public:
    MessageForm(TComponent* owner, Log* log) : TForm(owner), log_(log) {}

  protected:
    void WndProc(TMessage& m) override {
        if (m.Msg >= kWmUser && m.Msg < kCmBase)
            log_->push_back(Name() + ":" + std::to_string(m.Msg) + "/" + std::to_string(m.WParam) + "/" +
                            std::to_string(m.LParam));
        TForm::WndProc(m);
    }

  private:
    Log* log_;
};

TEST_F(InputTest, BroadcastSendsToTheOwnerWindowFirstThenEveryOtherForm) {
    Log log;
    auto* a = new MessageForm(app_.get(), &log);
    a->SetName("A");
    auto* b = new MessageForm(app_.get(), &log);
    b->SetName("B");
    auto* c = new MessageForm(app_.get(), &log);
    c->SetName("C");
    c->SetPopup(true);  // a drop-down is no form of the broadcast
    c->Show();
    auto* d = new MessageForm(app_.get(), &log);
    d->SetName("D");
    for (uint32_t msg : {1225u, 1226u, 1227u}) app_->Broadcast(b, msg, 77, 1000);
    EXPECT_EQ(log,
              (Log{"B:1225/77/1000", "A:1225/77/1000", "D:1225/77/1000", "B:1226/77/1000", "A:1226/77/1000",
                   "D:1226/77/1000", "B:1227/77/1000", "A:1227/77/1000", "D:1227/77/1000"}));
}

TEST_F(InputTest, ClosingWithCaFreeFreesTheFormAfterItsHandlers) {
    TForm* dialog = NewForm(Rect::FromOriginSize(0, 0, 50, 50));
    auto* probe = new Probe(dialog, dialog, Rect::FromOriginSize(0, 0, 10, 10), &log_);
    probe->SetName("InDialog");
    bool freed = false;
    probe->OnClick = [&](TObject*) {
        dialog->OnClose = [](TObject*, TCloseAction& a) { a = TCloseAction::caFree; };
        dialog->Close();
        probe->Log("still here");  // the form and its controls outlive the handler
    };
    struct Watch : TComponent {
        Watch(TComponent* o, bool* f) : TComponent(o), flag(f) {}
        ~Watch() override { *flag = true; }
        bool* flag;
    };
    new Watch(dialog, &freed);
    dialog->Show();
    Process();
    host_->Click({5, 5});
    Process();
    EXPECT_TRUE(freed);
    EXPECT_TRUE(std::find(log_.begin(), log_.end(), "InDialog:still here") != log_.end());
    EXPECT_EQ(std::count(app_->Forms().begin(), app_->Forms().end(), dialog), 0);
    EXPECT_FALSE(app_->Terminated());
}

TEST_F(InputTest, PostedMessagesKeepTheirNumbersAndDieWithTheirTarget) {
    Log log;
    auto* a = new MessageForm(app_.get(), &log);
    a->SetName("A");
    auto* b = new MessageForm(app_.get(), &log);
    b->SetName("B");
    app_->PostMessage(a, 0x504, 1, -2);
    app_->PostMessage(b, 1284, 0, 0);
    app_->PostMessage(a, 1294, 3, 1000);
    EXPECT_TRUE(log.empty());  // posted, not sent
    delete b;
    Process();
    EXPECT_EQ(log, (Log{"A:1284/1/-2", "A:1294/3/1000"}));
}

}  // namespace
}  // namespace dsp::test
