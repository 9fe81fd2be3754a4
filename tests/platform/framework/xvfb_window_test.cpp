// The demo form in a real SDL window on a private Xvfb server, clicked with
// xdotool. Skipped only when Xvfb cannot start.

#include <gtest/gtest.h>

#include "xvfb_server.h"

namespace dsp::test {
namespace {

const std::string kDemo = std::string(DSP_BINARY_DIR) + "/tools/demo-form/demo-form";

// The next line that reports a click or a close (activation reports vary
// with the X server's focus handling and are skipped).
std::string NextReport(ChildProcess& child) {
    std::string line;
    while (child.ReadLine(line, 10000))
        if (line.rfind("click", 0) == 0 || line == "close") return line;
    return "(nothing)";
}

// Reads lines until `wanted` arrives; false after the deadline.
bool WaitFor(ChildProcess& child, const std::string& wanted, int timeoutMs = 10000) {
    std::string line;
    while (child.ReadLine(line, timeoutMs))
        if (line == wanted) return true;
    return false;
}

TEST(XvfbWindow, ARealWindowIsClickedShapedAndClosedWithTheKeyboard) {
    XvfbServer x;
    if (x.Display().empty()) GTEST_SKIP() << "no X server for the window test: " << x.Error();
    std::vector<std::string> env = {x.DisplayEnv(), "SDL_VIDEODRIVER=x11"};
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

    // Escape reaches the form as a dialog key and closes it, ending the program.
    RunAndRead({"xdotool", "key", "Escape"}, env);
    EXPECT_EQ(NextReport(demo), "close");
    EXPECT_EQ(demo.Wait(), 0);
}

}  // namespace
}  // namespace dsp::test
