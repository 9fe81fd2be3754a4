#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "main/cli/scene_command.h"
#include "platform/serialdev/pty_pair.h"
#include "tests/main/cli_run.h"
#include "tests/support/pty.h"
#include "tests/support/temp_dir.h"

namespace dsp {
namespace {

using Bytes = std::vector<std::uint8_t>;

using Result = test::CliResult;

class SceneCli : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(pty_.Create(), 0);
        setenv("XDG_CONFIG_HOME", (dir_ / "config").c_str(), 1);
    }
    void TearDown() override { unsetenv("XDG_CONFIG_HOME"); }

    std::string Write(const std::string& name, const std::string& body) {
        const std::string path = dir_ / name;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path) << body;
        return path;
    }

    Result Run(const std::vector<std::string>& args) { return test::RunCli(RunSceneCommand, args); }

    Result Apply(const std::string& file, std::vector<std::string> more = {}) {
        std::vector<std::string> args = {"apply",  file,  "--map", "COM7=" + pty_.SlavePath(),
                                         "--port", "COM7"};
        args.insert(args.end(), more.begin(), more.end());
        return Run(args);
    }

    test::TempDir dir_;
    PtyPair pty_;
};

const std::string kDoneWhen = "# dsp-panel scene 1\nMAIN-VOL = 31\nINPUT = DVD\nECHO = 20\n";

TEST_F(SceneCli, AppliesInTheSafeOrderOrInTableOrderWithDirect) {
    const std::string file = Write("a.scene", kDoneWhen);
    Result safe = Apply(file);
    EXPECT_EQ(safe.status, 0) << safe.err;
    EXPECT_EQ(test::ReadBytes(pty_.MasterFd(), 16), (Bytes{0x80, 0x13, 0x00, 0xA0, 0x80, 0x1A, 0x02, 0xA0,
                                                           0x80, 0x02, 0x14, 0xA0, 0x80, 0x13, 0x1F, 0xA0}));
    Result direct = Apply(file, {"--direct"});
    EXPECT_EQ(direct.status, 0) << direct.err;
    EXPECT_EQ(test::ReadBytes(pty_.MasterFd(), 12),
              (Bytes{0x80, 0x02, 0x14, 0xA0, 0x80, 0x13, 0x1F, 0xA0, 0x80, 0x1A, 0x02, 0xA0}));
    EXPECT_FALSE(test::HasInput(pty_.MasterFd(), 50));
}

TEST_F(SceneCli, SafeParametersFromTheConfAndTheOptionAreLeftAlone) {
    Write("config/dsp-panel/scene.conf", "# kept by the house\nsafe = ECHO\n");
    Write("config/dsp-panel/scenes/band.scene", kDoneWhen + "KEY = #+2\n");
    Result r = Apply("band", {"--safe", "main-vol"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(test::ReadBytes(pty_.MasterFd(), 8), (Bytes{0x80, 0x1A, 0x02, 0xA0, 0x80, 0x1B, 0x07, 0xA0}));
    EXPECT_FALSE(test::HasInput(pty_.MasterFd(), 50));
}

TEST_F(SceneCli, ABadSceneOrSafeListExitsTwoWithOneLineAndSendsNothing) {
    const std::string unknown = Write("u.scene", "# dsp-panel scene 1\nMAIN-VOL = 3\nVOLUME = 3\n");
    const std::string range = Write("r.scene", "# dsp-panel scene 1\n\nMAIN-VOL = 64\n");
    Result r = Apply(unknown);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "dsp-panel: " + unknown + ":3: unknown parameter \"VOLUME\"\n");
    r = Apply(range);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "dsp-panel: " + range + ":3: MAIN-VOL = \"64\": out of range 0..63\n");
    r = Apply(Write("ok.scene", kDoneWhen), {"--safe", "MAIN-VOL,NOPE"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "dsp-panel: --safe: unknown parameter \"NOPE\"\n");
    r = Apply("missing");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("/config/dsp-panel/scenes/missing.scene: cannot be read"), std::string::npos)
        << r.err;
    Write("config/dsp-panel/scene.conf", "safe = ECHO\nsafe = LOUD\n");
    r = Apply(Write("ok2.scene", kDoneWhen));
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("scene.conf:2: unknown parameter \"LOUD\""), std::string::npos) << r.err;
    EXPECT_FALSE(test::HasInput(pty_.MasterFd(), 50));
    EXPECT_EQ(Run({"apply", "x.scene", "--gap", "-1", "--port", "COM1"}).status, 2);
    EXPECT_EQ(Run({"show", "x.scene", "--port", "COM1"}).status, 2);
}

TEST_F(SceneCli, APortFailureExitsOneWithSendsText) {
    Result r =
        Run({"apply", Write("a.scene", kDoneWhen), "--map", "COM3=/nonexistent/ttyS2", "--port", "COM3"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "dsp-panel: COM3 (/nonexistent/ttyS2): no such device\n");
}

TEST_F(SceneCli, ShowDiffAndList) {
    const std::string a = Write("config/dsp-panel/scenes/a.scene", kDoneWhen + "KEY = 0\n");
    Write("config/dsp-panel/scenes/b.scene",
          "# dsp-panel scene 1\nname = B\nECHO = 20\nMAIN-VOL = 40\nKEY = 0\nAUX = MIC\n");
    Result show = Run({"show", a});
    EXPECT_EQ(show.status, 0);
    EXPECT_EQ(show.out,
              "80 13 00 A0  MAIN-VOL = 0\n80 1A 02 A0  INPUT = DVD\n80 02 14 A0  ECHO = 20\n"
              "80 1B 05 A0  KEY = 0\n80 13 1F A0  MAIN-VOL = 31\n");
    Result diff = Run({"diff", "a", "b"});
    EXPECT_EQ(diff.status, 1);
    EXPECT_EQ(diff.out, "AUX: (not set) -> MIC\nMAIN-VOL: 31 -> 40\nINPUT: DVD -> (not set)\n");
    EXPECT_EQ(Run({"diff", "a", a}).out, "");
    EXPECT_EQ(Run({"diff", "a", a}).status, 0);
    Write("config/dsp-panel/scenes/notes.txt", "");
    EXPECT_EQ(Run({"list"}).out, "a\nb\n");
}

// Ctrl-C in the middle of a slow apply: the program stops before the next
// frame and says how far it got.
TEST_F(SceneCli, CtrlCStopsBetweenTwoFramesAndSaysHowFarItGot) {
    const std::string file = Write("a.scene", kDoneWhen);
    const std::string errPath = dir_ / "err.txt";
    const std::string program = DSP_BINARY_DIR "/dsp-panel";
    const std::string map = "COM7=" + pty_.SlavePath();
    std::vector<const char*> argv = {program.c_str(), "scene", "apply", file.c_str(), "--map", map.c_str(),
                                     "--port",        "COM7",  "--gap", "60000",      nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, program.c_str(), &actions, nullptr, const_cast<char**>(argv.data()), environ),
              0);
    posix_spawn_file_actions_destroy(&actions);
    EXPECT_EQ(test::ReadBytes(pty_.MasterFd(), 4), (Bytes{0x80, 0x13, 0x00, 0xA0}));
    kill(pid, SIGINT);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), kExitStopped);
    std::stringstream err;
    err << std::ifstream(errPath).rdbuf();
    EXPECT_EQ(err.str(),
              "dsp-panel: sent MAIN-VOL = 0\n"
              "dsp-panel: stopped after 1 of 4 frames; the last sent was MAIN-VOL = 0\n");
    EXPECT_FALSE(test::HasInput(pty_.MasterFd(), 50));
}

}  // namespace
}  // namespace dsp
