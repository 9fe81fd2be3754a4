// The real window under a private Xvfb, driven with xdotool: connect, drag
// the "MAIN" fader and pick a combo item; the simulator's output is checked.
// Skipped only when Xvfb cannot start.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>

#include "tests/support/temp_dir.h"
#include "tests/support/x_window_query.h"
#include "tests/support/xvfb_server.h"

namespace dsp::test {
namespace {

const std::string kProgram = DSP_BINARY_DIR "/dsp-panel";
const std::string kTitle = "Digital Effect Processor";
// Where the client area starts in the window: inside skin 1's frame.
constexpr int kClientLeft = 6;
constexpr int kClientTop = 30;

// Reads simulator lines until one equals `wanted`; what came is in `seen`.
bool WaitForLine(ChildProcess& panel, const std::string& wanted, std::string& seen) {
    std::string line;
    while (panel.ReadLine(line, 5000)) {
        seen += line + "\n";
        if (line == wanted) return true;
    }
    return false;
}

bool Exists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

// A display number no X server answers on.
std::string DeadDisplay() {
    for (int n = 93;; ++n)
        if (!Exists("/tmp/.X11-unix/X" + std::to_string(n)) &&
            !Exists("/tmp/.X" + std::to_string(n) + "-lock"))
            return ":" + std::to_string(n);
}

std::string ReadAll(ChildProcess& child, int timeoutMs) {
    std::string all, line;
    while (child.ReadLine(line, timeoutMs)) all += line + "\n";
    return all;
}

using Clock = std::chrono::steady_clock;

// Clicks "connect", then drags the "MAIN" fader's thumb up four steps. From
// 20 the thumb sits 29 of the skin's 90 travel pixels up; 20 pixels more are
// 49 / 90 of 63, so the unit is sent 34. `move` takes window coordinates.
template <class Move>
bool ConnectAndDragMain(const Move& move, const std::vector<std::string>& env, ChildProcess& panel,
                        std::string& seen) {
    move(45, 81);
    RunAndRead({"xdotool", "click", "1"}, env);
    move(44, 383);
    RunAndRead({"xdotool", "mousedown", "1"}, env);
    for (int y = 378; y >= 363; y -= 5) move(44, y);
    RunAndRead({"xdotool", "mouseup", "1"}, env);
    return WaitForLine(panel, "MAIN-VOL 34", seen);
}

// The row height and the first row's top of a combo's open list, as the
// headless panel's dump reports them from the list itself (connected first:
// the option combos open only then).
struct ListRows {
    int itemHeight = 0;
    int top = 0;
};

ListRows OpenListRows(const std::string& combo) {
    const std::string said = RunAndRead({"sh", "-c",
                                         "printf 'click bsSkinButton1\\nclick " + combo +
                                             "\\ndump\\nquit\\n' | '" + kProgram + "' --headless --simulate"},
                                        {});
    const auto line = said.find(combo + ".ListBox ");
    if (line == std::string::npos) return {};
    const auto field = [&](const std::string& name) {
        const auto at = said.find(" " + name + "=", line);
        return at == std::string::npos ? 0 : std::stoi(said.substr(at + name.size() + 2));
    };
    return {field("itemheight"), field("rowstop")};
}

TEST(PanelWindow, ADisplayWithNoServerEndsAtOnceWithOneLine) {
    const std::string display = DeadDisplay();
    const auto start = Clock::now();
    ChildProcess panel({kProgram}, {"DISPLAY=" + display, "SDL_VIDEODRIVER", "WAYLAND_DISPLAY"}, true, true);
    ASSERT_TRUE(panel.Started());
    const std::string said = ReadAll(panel, 2000);
    EXPECT_EQ(panel.Wait(2000), 1);
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(said.find('\n'), said.size() - 1) << said;
    EXPECT_NE(said.find("display " + display + " "), std::string::npos) << said;
    EXPECT_NE(said.find("--headless"), std::string::npos) << said;
}

// Under a bare X server (no XDG_RUNTIME_DIR, no video driver asked for) the
// program starts without a word; when the server dies under the connected
// window, it closes the port and ends with one line.
TEST(PanelWindow, LosingTheDisplayEndsTheConnectedPanel) {
    XvfbServer x;
    if (x.Display().empty()) GTEST_SKIP() << "no X server for the window test: " << x.Error();
    TempDir config;
    std::vector<std::string> env = {x.DisplayEnv(), "SDL_VIDEODRIVER", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR",
                                    "XDG_CONFIG_HOME=" + config.Path().string()};
    ChildProcess panel({kProgram, "--simulate"}, env, true, true);
    ASSERT_TRUE(panel.Started());
    const std::string id = WaitForWindow(kTitle, env);
    ASSERT_FALSE(id.empty()) << "the window did not appear: " << ReadAll(panel, 100);
    auto move = [&](int x, int y) {
        RunAndRead({"xdotool", "mousemove", "--window", id, std::to_string(kClientLeft + x),
                    std::to_string(kClientTop + y)},
                   env);
    };
    // The "MAIN" fader moved reaches the unit only over an open port.
    std::string seen;
    ASSERT_TRUE(ConnectAndDragMain(move, env, panel, seen)) << seen;

    const auto killed = Clock::now();
    x.Kill();
    // The program reacts to the broken connection at once; the margin is for
    // a loaded machine (the sanitizer build on two busy cores), not for it.
    const std::string said = ReadAll(panel, 5000);
    EXPECT_EQ(panel.Wait(5000), 1);
    EXPECT_LT(Clock::now() - killed, std::chrono::seconds(5));
    EXPECT_EQ(said, "dsp-panel: lost the connection to the display " + x.Display() +
                        "; the port is closed and the panel ends\n");
}

// A session, systemd or kill ending the program: the window and the headless
// driver end as the close button and "quit" do, closing the port, status 0.
TEST(PanelWindow, ATermSignalEndsTheWindowWithStatusZero) {
    XvfbServer x;
    if (x.Display().empty()) GTEST_SKIP() << "no X server for the window test: " << x.Error();
    TempDir config;
    std::vector<std::string> env = {x.DisplayEnv(), "SDL_VIDEODRIVER", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR",
                                    "XDG_CONFIG_HOME=" + config.Path().string()};
    ChildProcess panel({kProgram, "--simulate"}, env, true, true);
    ASSERT_TRUE(panel.Started());
    ASSERT_FALSE(WaitForWindow(kTitle, env).empty()) << ReadAll(panel, 100);
    panel.Signal(SIGTERM);
    EXPECT_EQ(panel.Wait(5000), 0);
}

TEST(PanelWindow, ATermSignalEndsTheHeadlessDriverWithStatusZero) {
    TempDir config;
    ChildProcess panel({kProgram, "--headless", "--simulate"}, {"XDG_CONFIG_HOME=" + config.Path().string()},
                       true, false, true);
    ASSERT_TRUE(panel.Started());
    ASSERT_TRUE(panel.Write("click bsSkinButton1\n"));
    std::string line;
    bool answered = false;
    while (!answered && panel.ReadLine(line, 5000)) answered = line == "ok";
    ASSERT_TRUE(answered);
    // Waiting for its next command, with the port open.
    panel.Signal(SIGTERM);
    EXPECT_EQ(panel.Wait(5000), 0);
}

// A stored language of the wrong type makes the first activation fail: its
// message box comes up centred on the window and stays until OK is clicked.
TEST(PanelWindow, AStartUpErrorBoxStandsInTheMiddleOfTheWindowUntilOk) {
    XvfbServer x;
    if (x.Display().empty()) GTEST_SKIP() << "no X server for the window test: " << x.Error();
    TempDir configDir;
    const std::string config = configDir.Path().string();
    std::filesystem::create_directories(config + "/dsp-panel");
    std::ofstream(config + "/dsp-panel/user.reg")
        << "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\tolmy\\audio]\n\"Language\"=\"1\"\n";
    std::vector<std::string> env = {x.DisplayEnv(), "SDL_VIDEODRIVER", "XDG_CONFIG_HOME=" + config};
    ChildProcess panel({kProgram}, env, true, true);
    ASSERT_TRUE(panel.Started());

    std::string box;
    for (int i = 0; i < 150 && box.empty(); ++i) {
        box = RunAndRead({"xdotool", "search", "--name", "^dsp-panel$"}, env);
        if (box.empty()) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    ASSERT_FALSE(box.empty()) << "no message box: " << ReadAll(panel, 100);
    box = box.substr(0, box.find('\n'));
    std::string window;  // the panel: the other window of the program
    std::istringstream ids(RunAndRead({"xdotool", "search", "--class", "dsp-panel"}, env));
    for (std::string id; std::getline(ids, id);)
        if (id != box) window = id;
    ASSERT_FALSE(window.empty());
    const Geometry b = WindowGeometry(box, env), w = WindowGeometry(window, env);
    ASSERT_EQ(w.width, 692 + 2 * kClientLeft);  // the client area inside skin 1's frame
    ASSERT_GT(b.width, 0);
    EXPECT_LE(std::abs(b.CentreX() - w.CentreX()), 2) << b.x << " " << w.x;
    EXPECT_LE(std::abs(b.CentreY() - w.CentreY()), 2) << b.y << " " << w.y;

    // "OK" sits in the middle of the box's bottom edge.
    RunAndRead(
        {"xdotool", "mousemove", "--window", box, std::to_string(b.width / 2), std::to_string(b.height - 25)},
        env);
    RunAndRead({"xdotool", "click", "1"}, env);
    bool closed = false;
    for (int i = 0; i < 50 && !closed; ++i) {
        closed = RunAndRead({"xdotool", "search", "--name", "^dsp-panel$"}, env).empty();
        if (!closed) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    EXPECT_TRUE(closed);
    EXPECT_EQ(panel.Wait(300), -1) << "the panel ended with its box";
}

TEST(PanelWindow, ConnectDragAndPickOnTheRealWindow) {
    XvfbServer x;
    if (x.Display().empty()) GTEST_SKIP() << "no X server for the window test: " << x.Error();
    TempDir config;
    std::vector<std::string> env = {x.DisplayEnv(), "SDL_VIDEODRIVER=x11",
                                    "XDG_CONFIG_HOME=" + config.Path().string()};
    ChildProcess panel({kProgram, "--simulate"}, env);
    ASSERT_TRUE(panel.Started());

    const std::string id = WaitForWindow(kTitle, env);
    ASSERT_FALSE(id.empty()) << "the window did not appear";
    // The desktop matches the window to dsp-panel.desktop (StartupWMClass) by its class.
    EXPECT_NE(RunAndRead({"xprop", "-id", id, "WM_CLASS"}, env).find("\"dsp-panel\""), std::string::npos);
    const std::string geometry = RunAndRead({"xdotool", "getwindowgeometry", "--shell", id}, env);
    const auto field = [&](const std::string& name) {
        const auto at = geometry.find(name + "=");
        return at == std::string::npos ? -1 : std::stoi(geometry.substr(at + name.size() + 1));
    };
    const int left = field("X"), top = field("Y");
    ASSERT_GE(left, 0) << geometry;
    auto at = [&](int x, int y) {
        return std::vector<std::string>{std::to_string(left + kClientLeft + x),
                                        std::to_string(top + kClientTop + y)};
    };
    auto move = [&](int x, int y) {
        const auto p = at(x, y);
        RunAndRead({"xdotool", "mousemove", p[0], p[1]}, env);
    };

    std::string seen;
    EXPECT_TRUE(ConnectAndDragMain(move, env, panel, seen)) << seen;
    // "KEY:": open the drop-down list (a popup window of its own) and click
    // its third row; the rows' height and first row come from the list.
    const ListRows rows = OpenListRows("bsSkinComboBox7");
    ASSERT_GT(rows.itemHeight, 0);
    const int comboY = 172, listTop = comboY + 10;
    auto rowY = [&](int row) { return listTop + rows.top + row * rows.itemHeight + rows.itemHeight / 2; };
    auto key = [&](const char* name) { RunAndRead({"xdotool", "key", name}, env); };
    move(359, comboY);
    RunAndRead({"xdotool", "click", "1"}, env);
    move(359, rowY(2));
    RunAndRead({"xdotool", "click", "1"}, env);
    EXPECT_TRUE(WaitForLine(panel, "KEY b-3", seen)) << seen;
    // The keyboard over the open list: Down to index 3, Page Down to the
    // last item (3 + 8 - 1, at most 10), Enter picks it.
    move(359, comboY);
    RunAndRead({"xdotool", "click", "1"}, env);
    key("Down");
    key("Next");
    key("Return");
    std::string line;
    ASSERT_TRUE(panel.ReadLine(line, 5000));
    EXPECT_EQ(line, "KEY #+5");
    // Escape closes without a pick: nothing goes out. The list, scrolled to
    // show the last item since the Enter pick, shows items 3 to 10; its first
    // row is item 3.
    RunAndRead({"xdotool", "click", "1"}, env);
    key("Up");
    key("Escape");
    RunAndRead({"xdotool", "click", "1"}, env);
    move(359, rowY(0));
    RunAndRead({"xdotool", "click", "1"}, env);
    ASSERT_TRUE(panel.ReadLine(line, 5000));
    EXPECT_EQ(line, "KEY b-2");
    panel.Terminate();
    panel.Wait();
}

}  // namespace
}  // namespace dsp::test

namespace dsp::test {
namespace {

struct Area {
    int left, top, right, bottom;
};

std::uint32_t BigEndian(const std::string& s, std::size_t at) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i) v = (v << 8) | static_cast<unsigned char>(s[at + i]);
    return v;
}

// The bytes of rectangle `r` (window coordinates) of window `id`, through
// xwd: the rows as the server stores them, enough to tell pictures apart.
std::string Grab(const std::string& id, const Area& r, const std::vector<std::string>& env,
                 const std::string& file) {
    RunAndRead({"xwd", "-silent", "-id", id, "-out", file}, env);
    std::ifstream in(file, std::ios::binary);
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (all.size() < 100) return {};
    const std::size_t start = BigEndian(all, 0) + std::size_t(BigEndian(all, 19 * 4)) * 12;
    const std::size_t bpp = BigEndian(all, 11 * 4) / 8, line = BigEndian(all, 12 * 4);
    std::string out;
    for (int y = r.top; y < r.bottom; ++y) {
        const std::size_t from = start + std::size_t(y) * line + std::size_t(r.left) * bpp;
        const std::size_t width = std::size_t(r.right - r.left) * bpp;
        if (from + width > all.size()) return {};
        out.append(all, from, width);
    }
    return out;
}

// Hovering a selector fades it from its normal to its hot picture over
// 100 ms: a picture taken at once and one 40 ms later, one of them at least
// shows neither end. The machine may be slow to take a picture in time, so
// the pointer comes back a few times before the fade counts as unseen. A
// click still sends the selector's frame.
TEST(PanelWindow, HoveringASelectorShowsTheMorphAndClicksStillSend) {
    XvfbServer x;
    if (x.Display().empty()) GTEST_SKIP() << "no X server for the window test: " << x.Error();
    const char* out = std::getenv("DSP_TEST_OUT");
    const std::string dir = out ? out : "/tmp";
    std::vector<std::string> env = {x.DisplayEnv(), "SDL_VIDEODRIVER=x11",
                                    "XDG_CONFIG_HOME=" + dir + "/morph-config"};
    ChildProcess panel({kProgram, "--simulate"}, env);
    ASSERT_TRUE(panel.Started());
    const std::string id = WaitForWindow(kTitle, env);
    ASSERT_FALSE(id.empty()) << "the window did not appear";
    const Geometry g = WindowGeometry(id, env);
    // Client coordinates, inside the window's frame.
    auto move = [&](int px, int py) {
        RunAndRead({"xdotool", "mousemove", std::to_string(g.x + kClientLeft + px),
                    std::to_string(g.y + kClientTop + py)},
                   env);
    };
    move(45, 81);  // "connect" enables the selectors
    RunAndRead({"xdotool", "click", "1"}, env);
    std::string seen;
    // Inside "VCR" (198, 236, 71 x 25 in the client), in window coordinates.
    const Area vcr{kClientLeft + 200, kClientTop + 238, kClientLeft + 267, kClientTop + 259};
    const std::string file = dir + "/morph.xwd";
    bool between = false;
    for (int attempt = 0; attempt < 6 && !between; ++attempt) {
        move(600, 140);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        const std::string normal = Grab(id, vcr, env, file);
        move(233, 248);
        const std::string first = Grab(id, vcr, env, file);
        std::this_thread::sleep_for(std::chrono::milliseconds(40));
        const std::string second = Grab(id, vcr, env, file);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        const std::string hot = Grab(id, vcr, env, file);
        ASSERT_FALSE(normal.empty());
        ASSERT_NE(normal, hot) << "hovering does not change the selector";
        for (const std::string* p : {&first, &second}) between = between || (*p != normal && *p != hot);
    }
    EXPECT_TRUE(between) << "no picture between the normal and the hot look";
    RunAndRead({"xdotool", "click", "1"}, env);
    EXPECT_TRUE(WaitForLine(panel, "INPUT VCR", seen)) << seen;
}

}  // namespace
}  // namespace dsp::test
