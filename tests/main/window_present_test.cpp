// The real window under a private Xvfb shows exactly its frame buffer after
// every paint, though each paint sends the display only the rectangles that
// changed: several controls changed at once, overlapping invalidations, the
// drop-down list opening over the window and closing, the window rolled up
// to its frame and back. The screen is read back with xwd and compared pixel
// for pixel with what the forms painted, inside their shapes.

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "controls/combo_box.h"
#include "controls/popup_list_box.h"
#include "controls/track_bar.h"
#include "main/panel/form1.h"
#include "platform/framework/application.h"
#include "platform/framework/fake_time.h"
#include "platform/graphics/canvas.h"
#include "platform/hosts/sdl/sdl_host.h"
#include "platform/serialdev/port_map.h"
#include "skin/form/skin_form.h"
#include "tests/support/temp_dir.h"
#include "tests/support/wait_until.h"
#include "tests/support/xvfb_server.h"
#include "tests/support/xwd_picture.h"

// SDL's video start-up loads the system's D-Bus library, which keeps a buffer
// for the life of the process; the sanitizer build's leak check is about our
// code, so that one library's leaks are left out (in-process SDL only here).
extern "C" const char* __lsan_default_suppressions() { return "leak:libdbus-1.so\n"; }

namespace dsp::test {
namespace {

class WindowPresent : public ::testing::Test {
  protected:
    void SetUp() override {
        if (x_.Display().empty()) GTEST_SKIP() << "no X server for the window test: " << x_.Error();
        ::setenv("DISPLAY", x_.Display().c_str(), 1);
        ::setenv("SDL_VIDEODRIVER", "x11", 1);
        auto host = std::make_unique<SdlHost>();
        host_ = host.get();
        app_ = std::make_unique<TApplication>(std::move(host), std::make_unique<FakeClock>(1000));
        TForm1::Options options;
        options.registryFile = (dir_.Path() / "user.reg").string();
        options.portMap = PortMap{};
        form_ = new TForm1(app_.get(), options);
        form_->Show();
        Settle();
    }
    void TearDown() override { app_.reset(); }

    void Settle() {
        for (int i = 0; i < 100 && app_->ProcessMessages(); ++i) {
        }
        host_->Sync();
    }

    // Pixels of the screen that differ from what the visible forms painted,
    // stacked in the order given; the rest of the screen is not looked at.
    int Mismatches(std::initializer_list<const TForm*> forms) {
        const Bitmap shown = GrabXwd("root", env_, (dir_.Path() / "screen.xwd").string());
        if (shown.Empty()) return -1;
        Bitmap expected = shown;
        Canvas canvas(expected);
        for (const TForm* f : forms) {
            if (!f->Visible()) continue;
            const int depth = canvas.ClipDepth();
            canvas.PushClip(f->BoundsRect());
            if (const auto& shape = f->WindowRegion()) {
                Region r = *shape;
                r.Offset(f->Left(), f->Top());
                canvas.PushClip(r);
            }
            canvas.Draw(f->BoundsRect().TopLeft(), f->Frame());
            while (canvas.ClipDepth() > depth) canvas.PopClip();
        }
        int differ = 0;
        for (int y = 0; y < shown.Height(); ++y)
            for (int x = 0; x < shown.Width(); ++x) differ += shown.Row(y)[x] != expected.Row(y)[x];
        return differ;
    }

    // The screen must come to show the frames: the display may still be
    // handling a map or a resize when the first picture is taken, but a
    // change that was never sent stays wrong.
    void ExpectShown(std::initializer_list<const TForm*> forms, const char* what) {
        int last = 0;
        const bool same = WaitUntil(
            [&] {
                Settle();
                last = Mismatches(forms);
                return last == 0;
            },
            std::chrono::seconds(5));
        EXPECT_TRUE(same) << what << ": " << last << " pixels differ";
    }

    XvfbServer x_;
    TempDir dir_;
    std::vector<std::string> env_{x_.DisplayEnv()};
    SdlHost* host_ = nullptr;
    std::unique_ptr<TApplication> app_;
    TForm1* form_ = nullptr;
};

TEST_F(WindowPresent, TheWindowShowsItsFrameBufferAfterPartialPaints) {
    ExpectShown({form_}, "first show");

    // Three faders at once: several rectangles in one present. (The status
    // text paints at once when set.)
    form_->bsSkinStatusPanel1->SetCaption("partial paints");
    form_->bsSkinTrackBar1->SetValue(5);
    form_->bsSkinTrackBar5->SetValue(40);
    form_->bsSkinTrackBar10->SetValue(12);
    ASSERT_GT(form_->DirtyRegion().Rects().size(), 1u);
    Settle();
    ExpectShown({form_}, "several controls");

    // Overlapping invalidations over a changed fader and its neighbours.
    form_->bsSkinTrackBar2->SetValue(60);
    form_->bsSkinTrackBar3->SetValue(1);
    auto inWindow = [&](TControl* c) {
        const Point p = c->ClientToScreen({0, 0}) - Point{form_->Left(), form_->Top()};
        return Rect::FromOriginSize(p.x, p.y, c->Width(), c->Height());
    };
    const Rect a = inWindow(form_->bsSkinTrackBar2), b = inWindow(form_->bsSkinTrackBar3);
    form_->InvalidateWindowRect(a.Inflate(30, 10));
    form_->InvalidateWindowRect(b.Inflate(30, -20));
    form_->InvalidateWindowRect({a.left + 5, a.top - 40, b.right - 5, a.top + 15});
    Settle();
    ExpectShown({form_}, "overlapping rectangles");

    // The port list drops down over the window, moves its selection and
    // closes again.
    TbsSkinComboBox* combo = form_->bsSkinComboBox1;
    combo->DropDown();
    Settle();
    const TForm* list = &combo->ListBox();
    ASSERT_TRUE(list->Visible());
    ExpectShown({form_, list}, "list open");
    combo->SetItemIndex(3);
    Settle();
    ExpectShown({form_, list}, "list selection moved");
    combo->CloseUp(false);
    Settle();
    ASSERT_FALSE(list->Visible());
    ExpectShown({form_}, "list closed");

    // Rolled up to the frame and back: the restored window shows all of it.
    auto* frame = dynamic_cast<TbsSkinForm*>(form_->FindComponent("bsSkinForm1"));
    ASSERT_NE(frame, nullptr);
    frame->SetRollUpState(true);
    Settle();
    ASSERT_EQ(form_->Height(), 36);
    ExpectShown({form_}, "rolled up");
    form_->bsSkinTrackBar1->SetValue(30);  // changed while out of sight
    frame->SetRollUpState(false);
    Settle();
    ExpectShown({form_}, "rolled down");
}

}  // namespace
}  // namespace dsp::test
