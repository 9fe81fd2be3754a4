// The program as a user starts it: no display, and a headless session with
// the simulator and the frame log.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "tests/support/temp_dir.h"

namespace {

std::string RunShell(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return output;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
    pclose(pipe);
    return output;
}

const std::string kProgram = DSP_BINARY_DIR "/dsp-panel";

std::string OutDir() { return dsp::test::TestOutputDir().string(); }

TEST(PanelProgram, WithoutADisplayPointsToHeadlessAndFails) {
    const std::string out = RunShell("env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER " + kProgram +
                                     " 2>&1; echo \"rc=$?\"");
    EXPECT_NE(out.find("no display"), std::string::npos) << out;
    EXPECT_NE(out.find("--headless"), std::string::npos) << out;
    EXPECT_NE(out.find("rc=1"), std::string::npos) << out;
}

TEST(PanelProgram, HeadlessSessionReachesTheSimulatorAndTheFrameLog) {
    const std::string log = OutDir() + "/frames.log";
    const std::string shot = OutDir() + "/cli-window.png";
    std::remove(log.c_str());
    std::remove(shot.c_str());
    const std::string out =
        // The screenshot also gives the line time: closing the port purges
        // what the pty has not handed on yet.
        RunShell("printf 'click bsSkinButton1\\nclick bsSkinButton6\\npick bsSkinComboBox7 0\\nscreenshot " +
                 shot + "\\nquit\\n' | XDG_CONFIG_HOME=" + OutDir() + "/cli-config " + kProgram +
                 " --headless --simulate --log-frames " + log + " 2>&1");
    EXPECT_NE(out.find("INPUT VCR\n"), std::string::npos) << out;
    EXPECT_NE(out.find("KEY b-5\n"), std::string::npos) << out;
    EXPECT_EQ(out.find("error"), std::string::npos) << out;
    EXPECT_TRUE(std::ifstream(shot).good()) << shot;
    std::ifstream in(log);
    std::string first, second;
    std::getline(in, first);
    std::getline(in, second);
    EXPECT_TRUE(first.ends_with("Z 80 1A 01 A0")) << first;
    EXPECT_TRUE(second.ends_with("Z 80 1B 00 A0")) << second;
}

// The text after `key` on the output's line that has it.
std::string After(const std::string& out, const std::string& key, std::size_t from = 0) {
    const std::size_t at = out.find(key, from);
    if (at == std::string::npos) return "";
    return out.substr(at + key.size(), out.find('\n', at) - at - key.size());
}

// With --web, the system menu's "Web remote..." (its accelerator W) opens the
// dialog with the address printed at start, in the window's language; Escape
// or its button closes it. Without --web the menu has no such entry. The
// system menu button sits at the caption's left, above the client area.
TEST(PanelProgram, WebRemoteAddressDialogOpensFromTheSystemMenu) {
    const std::string open = "click 10 -16\ntype w\ndump\n";
    const std::string script = "pick bsSkinComboBox8 1\n" + open +
                               "key Escape\ndump\npick bsSkinComboBox8 0\n" + open +
                               "click WebAddressClose\ndump\nquit\n";
    const std::string run = "printf '" + script + "' | XDG_CONFIG_HOME=" + OutDir() +
                            "/web-config timeout 30 " + kProgram + " --headless";
    const std::string out = RunShell(run + " --web 127.0.0.1:0 2>&1");
    const std::string address = After(out, "dsp-panel: web remote: ");
    ASSERT_TRUE(address.starts_with("http://127.0.0.1:")) << out;
    EXPECT_EQ(out.find("error"), std::string::npos) << out;

    const std::string shown =
        "WebAddressText TbsSkinStdLabel enabled=1 visible=1 caption=\"" + address + "\"";
    const std::size_t first = out.find(shown);
    ASSERT_NE(first, std::string::npos) << out;
    EXPECT_EQ(After(out, "WebAddressPanel TbsSkinPanel enabled=1 "),
              "visible=1 caption=\"\" skin=1:panel:12");
    EXPECT_EQ(After(out, "WebAddressClose TbsSkinButton enabled=1 visible=1 caption="),
              "\"Close\" skin=1:button:0");
    EXPECT_EQ(After(out, "WebAddressPanel TbsSkinPanel enabled=1 ", first + 1).substr(0, 9), "visible=0");
    const std::size_t chinese = out.find("text=\"中文\"");
    ASSERT_NE(chinese, std::string::npos) << out;
    EXPECT_EQ(After(out, "WebAddressPanel TbsSkinPanel enabled=1 ", chinese).substr(0, 9), "visible=1");
    EXPECT_EQ(After(out, "WebAddressPrompt TbsSkinStdLabel enabled=1 visible=1 caption=", chinese),
              "\"用手机扫描二维码，或打开此地址：\" skin=1:stdlabel:16");
    const std::size_t closed = out.find("WebAddressPanel", chinese + 1);
    EXPECT_EQ(After(out, "WebAddressPanel TbsSkinPanel enabled=1 ", closed + 1).substr(0, 9), "visible=0");

    const std::string without = RunShell(run + " 2>&1");
    EXPECT_EQ(without.find("WebAddressPanel"), std::string::npos) << without;
}

TEST(PanelProgram, UnknownOptionIsAUsageError) {
    EXPECT_NE(RunShell(kProgram + " --frobnicate 2>&1; echo \"rc=$?\"").find("rc=2"), std::string::npos);
}

// A listening address that is not one is a bad argument, as for --osc: status
// 2 before anything starts. 999.1.1.1 used to be served on 231.1.1.1.
TEST(PanelProgram, AMalformedWebAddressIsAUsageError) {
    for (const char* listen : {"999.1.1.1:0", "1.2.3:0", "abc"}) {
        const std::string out =
            RunShell("echo quit | " + kProgram + " --headless --web " + listen + " 2>&1; echo \"rc=$?\"");
        EXPECT_NE(out.find("--web takes"), std::string::npos) << out;
        EXPECT_NE(out.find("rc=2"), std::string::npos) << out;
    }
}

}  // namespace
