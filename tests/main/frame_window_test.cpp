// The skinned frame on the real window under a private Xvfb, once with a
// window manager (openbox, started by the test on that display) and once
// without: the mask cuts the corners (the root window shows there), a drag
// on the caption moves the window by the pointer's travel, a caption
// double-click rolls it up and back, the minimize button iconifies it (with
// a manager: WM_STATE Iconic and _NET_WM_STATE_HIDDEN; without one the
// program withdraws it), the button hot under the pointer is cold again once
// the pointer has left the window, or the window comes back from its icon
// away from the pointer, and the close button ends the program with status
// 0. Skipped only when Xvfb cannot start.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/temp_dir.h"
#include "tests/support/wait_until.h"
#include "tests/support/x_window_query.h"
#include "tests/support/xvfb_server.h"
#include "tests/support/xwd_picture.h"

namespace dsp::test {
namespace {

using std::chrono::seconds;

const std::string kProgram = DSP_BINARY_DIR "/dsp-panel";
const std::string kTitle = "Digital Effect Processor";

// Skin 1's frame in a 704 x 509 window: the caption buttons sit at the
// picture's right end, moved by the window's extra width.
constexpr int kWidth = 704, kHeight = 509, kRolledUpHeight = 36;
struct At {
    int x, y;
};
constexpr At kCaption{60, 12};
constexpr At kMinimizeButton{651, 15};
constexpr At kCloseButton{689, 15};
// The mask's cut at each top corner: four pixels of the first row, three of
// the second, and so on.
std::vector<At> CutCorners() {
    std::vector<At> cut;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4 - y; ++x) {
            cut.push_back({x, y});
            cut.push_back({kWidth - 1 - x, y});
        }
    return cut;
}

class RealFrame : public ::testing::TestWithParam<bool> {
  protected:
    void SetUp() override {
        if (x_.Display().empty()) GTEST_SKIP() << "no X server for the window test: " << x_.Error();
        // The exit status is the point here: in the sanitizer build the
        // system's D-Bus library, which SDL loads, leaves a buffer behind at
        // exit, and the leak report would turn a clean close into a failure.
        env_ = {x_.DisplayEnv(), "SDL_VIDEODRIVER=x11", "HOME=" + dir_.Path().string(),
                "XDG_CONFIG_HOME=" + dir_.Path().string(), "ASAN_OPTIONS=detect_leaks=0:abort_on_error=1"};
        if (GetParam()) {
            wm_.emplace(std::vector<std::string>{"openbox", "--sm-disable"}, env_, false);
            ASSERT_TRUE(wm_->Started()) << "cannot run openbox";
            ASSERT_TRUE(WaitUntil([&] { return WindowManagerRuns(env_); }, seconds(15)))
                << "openbox did not take the display";
        }
        root_ = Screen();
        ASSERT_FALSE(root_.Empty());
    }

    Bitmap Screen() { return GrabXwd("root", env_, (dir_.Path() / "screen.xwd").string()); }
    void Run(const std::vector<std::string>& xdotool) {
        std::vector<std::string> argv = {"xdotool"};
        argv.insert(argv.end(), xdotool.begin(), xdotool.end());
        RunAndRead(argv, env_);
    }
    void MouseTo(int x, int y) { Run({"mousemove", std::to_string(x), std::to_string(y)}); }
    Geometry Where() const { return WindowGeometry(id_, env_); }
    bool Settles(const Geometry& expected) {
        return WaitUntil([&] { return Where() == expected; }, seconds(5));
    }
    // The minimize button's pixels as the window shows them now.
    std::vector<Color> MinimizeButtonLook() {
        const Bitmap window = GrabXwd(id_, env_, (dir_.Path() / "window.xwd").string());
        std::vector<Color> look;
        if (window.Empty()) return look;
        for (int y = kMinimizeButton.y - 4; y <= kMinimizeButton.y + 4; ++y)
            for (int x = kMinimizeButton.x - 4; x <= kMinimizeButton.x + 4; ++x)
                look.push_back(window.GetPixel(x, y));
        return look;
    }
    // Waits for the minimize button to show `look` (true) or anything else.
    bool MinimizeButtonShows(const std::vector<Color>& look, bool same) {
        return WaitUntil([&] { return (MinimizeButtonLook() == look) == same; }, seconds(3));
    }

    XvfbServer x_;
    TempDir dir_;
    std::vector<std::string> env_;
    std::optional<ChildProcess> wm_;
    Bitmap root_;  // the screen before the program's window appeared
    std::string id_;
};

TEST_P(RealFrame, CornersDragRollUpMinimizeAndClose) {
    ChildProcess panel({kProgram}, env_);
    ASSERT_TRUE(panel.Started());
    id_ = WaitForWindow(kTitle, env_);
    ASSERT_FALSE(id_.empty()) << "the window did not appear";
    ASSERT_TRUE(WaitUntil([&] { return WindowViewable(id_, env_) && Where().width == kWidth; }, seconds(10)));
    Geometry g = Where();
    ASSERT_EQ(g.height, kHeight);

    // The cut corners show the root window as it was before the window came.
    // The window's own pixels may still be on their way: wait for them.
    const std::vector<At> cut = CutCorners();
    std::string differ;
    const bool bare = WaitUntil(
        [&] {
            const Bitmap screen = Screen();
            differ.clear();
            for (const At& c : cut) {
                const int sx = g.x + c.x, sy = g.y + c.y;
                if (screen.GetPixel(sx, sy) != root_.GetPixel(sx, sy))
                    differ += " (" + std::to_string(c.x) + "," + std::to_string(c.y) + ")";
            }
            return differ.empty();
        },
        seconds(5));
    EXPECT_TRUE(bare) << "the frame covers the root at" << differ;

    // Dragging the caption by (40, 30) in eight quick steps moves the
    // window by exactly that: the steps come faster than the window moves,
    // so some are still queued, measured against its old place, when it
    // has moved. A window manager takes the move over after the first
    // step; a step that reached it before it held the pointer is repeated
    // by nudging the pointer at the end.
    MouseTo(g.x + kCaption.x, g.y + kCaption.y);
    std::vector<std::string> drag = {"mousedown", "1"};
    for (int step = 1; step <= 8; ++step) {
        drag.insert(drag.end(), {"mousemove", std::to_string(g.x + kCaption.x + 5 * step),
                                 std::to_string(g.y + kCaption.y + 30 * step / 8)});
    }
    Run(drag);
    const Geometry moved{g.x + 40, g.y + 30, kWidth, kHeight};
    for (int nudge = 0; GetParam() && nudge < 5 && !Settles(moved); ++nudge) {
        MouseTo(g.x + kCaption.x + 41, g.y + kCaption.y + 31);
        MouseTo(g.x + kCaption.x + 40, g.y + kCaption.y + 30);
    }
    Run({"mouseup", "1"});
    EXPECT_TRUE(Settles(moved)) << Where().x << "," << Where().y;
    g = Where();

    // A double-click on the caption rolls the window up to its frame, and back.
    MouseTo(g.x + kCaption.x, g.y + kCaption.y);
    Run({"click", "--repeat", "2", "--delay", "80", "1"});
    EXPECT_TRUE(Settles({g.x, g.y, kWidth, kRolledUpHeight})) << Where().height;
    Run({"click", "--repeat", "2", "--delay", "80", "1"});
    EXPECT_TRUE(Settles({g.x, g.y, kWidth, kHeight})) << Where().height;

    // The minimize button turns hot under the pointer, and cold again when
    // the pointer leaves the window.
    std::vector<Color> cold;
    ASSERT_TRUE(WaitUntil([&] {  // once the roll-down has been painted
        const std::vector<Color> before = std::exchange(cold, MinimizeButtonLook());
        return !cold.empty() && cold == before;
    }));
    MouseTo(g.x + kMinimizeButton.x, g.y + kMinimizeButton.y);
    EXPECT_TRUE(MinimizeButtonShows(cold, false)) << "the minimize button does not turn hot";
    MouseTo(1, 1);
    EXPECT_TRUE(MinimizeButtonShows(cold, true)) << "the minimize button stays hot after the pointer left";

    // The minimize button iconifies the window; brought back from outside,
    // it is a normal window again.
    MouseTo(g.x + kMinimizeButton.x, g.y + kMinimizeButton.y);
    Run({"click", "1"});
    if (GetParam()) {
        std::string state;
        EXPECT_TRUE(WaitUntil(
            [&] {
                state = WindowProperties(id_, {"WM_STATE", "_NET_WM_STATE"}, env_);
                return state.find("Iconic") != std::string::npos &&
                       state.find("_NET_WM_STATE_HIDDEN") != std::string::npos;
            },
            seconds(5)))
            << state;
        MouseTo(1, 1);  // away from where the window comes back
        Run({"windowactivate", id_});
    } else {
        EXPECT_TRUE(WaitUntil([&] { return !WindowViewable(id_, env_); }, seconds(5)))
            << "the window stayed on the screen";
        MouseTo(1, 1);
        Run({"windowmap", id_});
        // No manager gives it the keyboard: the caption would look inactive.
        ASSERT_TRUE(WaitUntil([&] { return WindowViewable(id_, env_); }, seconds(5)));
        Run({"windowfocus", id_});
    }
    ASSERT_TRUE(WaitUntil([&] { return WindowViewable(id_, env_); }, seconds(5)));
    ASSERT_TRUE(Settles(g)) << "the window came back elsewhere";
    EXPECT_TRUE(MinimizeButtonShows(cold, true)) << "the restored window's minimize button stays hot";

    // The close button ends the program.
    MouseTo(g.x + kCloseButton.x, g.y + kCloseButton.y);
    Run({"click", "1"});
    EXPECT_EQ(panel.Wait(10000), 0);
}

INSTANTIATE_TEST_SUITE_P(WindowManager, RealFrame, ::testing::Values(false, true), [](const auto& info) {
    return info.param ? "WithOpenbox" : "WithoutWindowManager";
});

}  // namespace
}  // namespace dsp::test
