// The demo form in a real SDL window on a private Xvfb server, clicked with
// xdotool. Skipped only when Xvfb cannot start.

#include <gtest/gtest.h>

#include "tests/support/xvfb_server.h"

namespace dsp::test {
namespace {

const std::string kDemo = std::string(DSP_BINARY_DIR) + "/tools/demo-form/demo-form";

// The next report line; activation reports vary with the X server's focus
// handling and are skipped.
std::string NextReport(ChildProcess& child) {
    std::string line;
    while (child.ReadLine(line, 10000))
        if (line != "activate") return line;
    return "(nothing)";
}

// Reads lines until `wanted` arrives; false after the deadline.
bool WaitFor(ChildProcess& child, const std::string& wanted, int timeoutMs = 10000) {
    std::string line;
    while (child.ReadLine(line, timeoutMs))
        if (line == wanted) return true;
    return false;
}

TEST(XvfbWindow, ARealWindowTakesMouseWheelAndKeysAndIsShaped) {
    XvfbServer x;
    if (x.Display().empty()) GTEST_SKIP() << "no X server for the window test: " << x.Error();
    // In sanitizer builds the demo keeps its memory-error checks, but not the
    // leak report: the system libraries SDL's video start-up loads (the
    // session bus) keep allocations for the life of the process. The demo's
    // own code is leak-checked by the headless tests.
    std::vector<std::string> env = {x.DisplayEnv(), "SDL_VIDEODRIVER=x11", "ASAN_OPTIONS=detect_leaks=0"};
    ChildProcess demo({kDemo, "--x", "100", "--y", "100"}, env);
    ASSERT_TRUE(demo.Started());
    ASSERT_TRUE(WaitFor(demo, "ready"));

    // Button1 sits at (20, 20) in the form.
    RunAndRead({"xdotool", "mousemove", "130", "130", "click", "1"}, env);
    EXPECT_EQ(NextReport(demo), "click Button1");

    // Button1 disabled Panel1, so Button2 (at 20+10, 70+10) does not answer;
    // a second click on Button1 enables it again and Button2 then does.
    RunAndRead({"xdotool", "mousemove", "140", "185", "click", "1"}, env);
    RunAndRead({"xdotool", "mousemove", "130", "130", "click", "1"}, env);
    EXPECT_EQ(NextReport(demo), "click Button1");
    RunAndRead({"xdotool", "mousemove", "140", "185", "click", "1"}, env);
    EXPECT_EQ(NextReport(demo), "click Button2");

    // The form's window region became the X window's bounding shape.
    std::string id = RunAndRead({"xdotool", "search", "--name", "Demo form"}, env);
    ASSERT_FALSE(id.empty());
    id = id.substr(0, id.find('\n'));
    std::string info = RunAndRead({"xwininfo", "-shape", "-id", id}, env);
    EXPECT_NE(info.find("Window shape extents:  320x200+0+0"), std::string::npos) << info;
    EXPECT_EQ(info.find("No window shape defined"), std::string::npos) << info;

    // A double-click, the wheel both ways and typed text, all on Button1
    // (which took the focus when clicked).
    RunAndRead({"xdotool", "mousemove", "130", "130", "click", "--repeat", "2", "--delay", "60", "1"}, env);
    EXPECT_EQ(NextReport(demo), "click Button1");
    EXPECT_EQ(NextReport(demo), "dblclick Button1");
    EXPECT_EQ(NextReport(demo), "click Button1");
    RunAndRead({"xdotool", "click", "4"}, env);
    EXPECT_EQ(NextReport(demo), "wheel 120");
    RunAndRead({"xdotool", "click", "5"}, env);
    EXPECT_EQ(NextReport(demo), "wheel -120");
    RunAndRead({"xdotool", "type", "ab"}, env);
    EXPECT_EQ(NextReport(demo), "char a");
    EXPECT_EQ(NextReport(demo), "char b");

    // A right click opens the popup: an override-redirect window, so the
    // window manager never activates it; its items answer clicks.
    RunAndRead({"xdotool", "mousemove", "360", "260", "click", "3"}, env);
    EXPECT_EQ(NextReport(demo), "popup open");
    std::string popupId = RunAndRead({"xdotool", "search", "--name", "Demo popup"}, env);
    ASSERT_FALSE(popupId.empty());
    popupId = popupId.substr(0, popupId.find('\n'));
    std::string popupInfo = RunAndRead({"xwininfo", "-id", popupId}, env);
    EXPECT_NE(popupInfo.find("Override Redirect State: yes"), std::string::npos) << popupInfo;
    RunAndRead({"xdotool", "mousemove", "370", "270", "click", "1"}, env);
    EXPECT_EQ(NextReport(demo), "popup Item1");
    // The keyboard stayed with the form: typing still reaches Button1.
    RunAndRead({"xdotool", "type", "c"}, env);
    EXPECT_EQ(NextReport(demo), "char c");

    // Escape reaches the form as a dialog key and closes it, ending the program.
    RunAndRead({"xdotool", "key", "Escape"}, env);
    EXPECT_EQ(NextReport(demo), "close");
    EXPECT_EQ(demo.Wait(), 0);
}

}  // namespace
}  // namespace dsp::test
