#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "main/cli/frame_command.h"
#include "tests/main/cli_run.h"

namespace dsp {
namespace {

using Result = test::CliResult;

Result RunFrame(const std::vector<std::string>& args) { return test::RunCli(RunFrameCommand, args); }

TEST(FrameCommand, PrintsTheFrame) {
    Result r = RunFrame({"MAIN-VOL", "31"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "80 13 1F A0\n");
    EXPECT_EQ(r.err, "");
}

TEST(FrameCommand, RefusalsPrintOneLineAndExitTwoWithoutAFrame) {
    for (auto args : std::vector<std::vector<std::string>>{
             {"0x0C", "1"}, {"MAIN-VOL", "64"}, {"KEY", "x"}, {"MAIN-VOL"}, {}}) {
        Result r = RunFrame(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        ASSERT_FALSE(r.err.empty());
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
    }
}

TEST(FrameCommand, ListHasOneLinePerCode) {
    Result r = RunFrame({"--list"});
    EXPECT_EQ(r.status, 0);
    std::istringstream lines(r.out);
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) ++count;
    EXPECT_EQ(count, 27);
    EXPECT_NE(r.out.find("0x13 MAIN-VOL 0..63\n"), std::string::npos);
    EXPECT_NE(r.out.find("0x1B KEY 0..10 (b-5 b-4 b-3 b-2 b-1 0 #+1 #+2 #+3 #+4 #+5)\n"), std::string::npos);
}

}  // namespace
}  // namespace dsp
