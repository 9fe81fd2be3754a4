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

TEST(PanelProgram, UnknownOptionIsAUsageError) {
    EXPECT_NE(RunShell(kProgram + " --frobnicate 2>&1; echo \"rc=$?\"").find("rc=2"), std::string::npos);
}

}  // namespace
