// The real window under a private Xvfb, driven with xdotool: connect, drag
// the "MAIN" fader and pick a combo item; the simulator's output is checked.
// Skipped only when Xvfb cannot start.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "tests/support/temp_dir.h"
#include "tests/support/xvfb_server.h"

namespace dsp::test {
namespace {

const std::string kProgram = DSP_BINARY_DIR "/dsp-panel";

// Reads simulator lines until one equals `wanted`; what came is in `seen`.
bool WaitForLine(ChildProcess& panel, const std::string& wanted, std::string& seen) {
    std::string line;
    while (panel.ReadLine(line, 5000)) {
        seen += line + "\n";
        if (line == wanted) return true;
    }
    return false;
}

// The panel's window id on the display, or "" when it did not appear. A
// loaded machine may take a while to start the program.
std::string WaitForWindow(const std::vector<std::string>& env) {
    std::string id;
    for (int i = 0; i < 150 && id.empty(); ++i) {
        id = RunAndRead({"xdotool", "search", "--name", "Digital Effect Processor"}, env);
        if (id.empty()) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return id.substr(0, id.find('\n'));
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
    const std::string id = WaitForWindow(env);
    ASSERT_FALSE(id.empty()) << "the window did not appear: " << ReadAll(panel, 100);
    auto move = [&](int x, int y) {
        RunAndRead({"xdotool", "mousemove", "--window", id, std::to_string(x), std::to_string(y)}, env);
    };
    move(45, 81);  // "connect"
    RunAndRead({"xdotool", "click", "1"}, env);
    // The "MAIN" fader moved reaches the unit only over an open port.
    move(44, 383);
    RunAndRead({"xdotool", "mousedown", "1"}, env);
    for (int y = 378; y >= 363; y -= 5) move(44, y);
    RunAndRead({"xdotool", "mouseup", "1"}, env);
    std::string seen;
    ASSERT_TRUE(WaitForLine(panel, "MAIN-VOL 33", seen)) << seen;

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

struct Geometry {
    int x = -1, y = -1, width = 0, height = 0;
    int CentreX() const { return x + width / 2; }
    int CentreY() const { return y + height / 2; }
};

Geometry WindowGeometry(const std::string& id, const std::vector<std::string>& env) {
    const std::string shell = RunAndRead({"xdotool", "getwindowgeometry", "--shell", id}, env);
    const auto field = [&](const std::string& name) {
        const auto at = shell.find(name + "=");
        return at == std::string::npos ? -1 : std::stoi(shell.substr(at + name.size() + 1));
    };
    return {field("X"), field("Y"), field("WIDTH"), field("HEIGHT")};
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
    ASSERT_EQ(w.width, 692);
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

    const std::string id = WaitForWindow(env);
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
        return std::vector<std::string>{std::to_string(left + x), std::to_string(top + y)};
    };
    auto move = [&](int x, int y) {
        const auto p = at(x, y);
        RunAndRead({"xdotool", "mousemove", p[0], p[1]}, env);
    };

    move(45, 81);  // "connect"
    RunAndRead({"xdotool", "click", "1"}, env);
    // The "MAIN" fader's thumb, dragged up four steps.
    move(44, 383);
    RunAndRead({"xdotool", "mousedown", "1"}, env);
    for (int y = 378; y >= 363; y -= 5) move(44, y);
    RunAndRead({"xdotool", "mouseup", "1"}, env);
    std::string seen;
    EXPECT_TRUE(WaitForLine(panel, "MAIN-VOL 33", seen)) << seen;
    // "KEY:": open the drop-down list (a popup window of its own) and click
    // its third row.
    move(359, 172);
    RunAndRead({"xdotool", "click", "1"}, env);
    move(359, 234);
    RunAndRead({"xdotool", "click", "1"}, env);
    EXPECT_TRUE(WaitForLine(panel, "KEY b-3", seen)) << seen;
    panel.Terminate();
    panel.Wait();
}

}  // namespace
}  // namespace dsp::test
