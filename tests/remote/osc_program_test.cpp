// The program as a control surface meets it: `dsp-panel --headless --osc`
// with COM1 on a pty, the headless commands on its stdin while packets
// arrive between them.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <regex>

#include "tests/remote/osc_client.h"
#include "tests/support/pty.h"
#include "tests/support/temp_dir.h"
#include "tests/support/wait_until.h"

namespace dsp::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::string ReadAll(const std::string& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class OscProgramTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // Under the sanitizer build the program leaks 768 bytes inside the
        // font library in this session; the leak check is about our code.
        std::ofstream(dir_ / "lsan.supp") << "leak:libfontconfig.so\n";
        const std::string command =
            "XDG_CONFIG_HOME=" + dir_ / "config" + " LSAN_OPTIONS=suppressions=" + dir_ / "lsan.supp" +
            " timeout 60 " DSP_BINARY_DIR "/dsp-panel --headless --osc 127.0.0.1:0 --map COM1=" +
            pty_.SlavePath() + " >" + out_ + " 2>" + err_;
        panel_ = popen(command.c_str(), "w");
        ASSERT_NE(panel_, nullptr);
        std::smatch port;
        const std::regex listening("OSC on 127\\.0\\.0\\.1:([0-9]+)");
        ASSERT_TRUE(WaitUntil([&] {
            errText_ = ReadAll(err_);
            return std::regex_search(errText_, port, listening);
        })) << errText_;
        server_ = {0x7F000001, static_cast<std::uint16_t>(std::stoi(port[1]))};
    }
    void TearDown() override {
        if (!panel_) return;
        Command("quit");
        EXPECT_EQ(pclose(panel_), 0) << ReadAll(err_);
    }

    // Sends a headless command and waits for its answer; returns it.
    std::string Command(const std::string& line) {
        const std::size_t before = ReadAll(out_).size();
        std::fputs((line + "\n").c_str(), panel_);
        std::fflush(panel_);
        std::string answer;
        EXPECT_TRUE(WaitUntil([&] {
            answer = ReadAll(out_).substr(before);
            return answer.ends_with("ok\n") || answer.find("error:") != std::string::npos;
        })) << line;
        return answer;
    }
    OscClient Client() {
        return OscClient(server_, [] {});
    }

    TempDir dir_;
    std::string out_ = dir_ / "out.txt", err_ = dir_ / "err.txt", errText_;
    HeldPty pty_;
    FILE* panel_ = nullptr;
    UdpEndpoint server_;
};

TEST_F(OscProgramTest, MessagesMoveTheHeadlessPanelAndFollowersHearItsChanges) {
    Command("click bsSkinButton1");
    OscClient tablet = Client(), desk = Client();
    desk.Send({"/dsp/subscribe", {}});
    EXPECT_EQ(desk.Ask("/dsp/info").args.at(1), OscArg(std::string("connected")));

    tablet.Send({"/dsp/main-vol", {31}});
    EXPECT_EQ(ReadBytes(pty_.MasterFd(), 4), (Bytes{0x80, 0x13, 0x1F, 0xA0}));
    EXPECT_EQ(desk.NextMessage(), (OscMessage{"/dsp/main-vol", {31}}));
    EXPECT_NE(Command("dump").find("bsSkinTrackBar12 TbsSkinTrackBar enabled=1 visible=1 value=31"),
              std::string::npos);

    // The driver's own change reaches both; the coalescing clock is the
    // session's, and the last change was long enough ago by it.
    tablet.Send({"/dsp/subscribe", {}});
    tablet.Ask("/dsp/info");
    Command("advance 100");
    Command("set MAIN-VOL 33");
    EXPECT_EQ(tablet.NextMessage(), (OscMessage{"/dsp/main-vol", {33}}));
    EXPECT_EQ(desk.NextMessage(), (OscMessage{"/dsp/main-vol", {33}}));
    EXPECT_EQ(ReadBytes(pty_.MasterFd(), 4), (Bytes{0x80, 0x13, 0x21, 0xA0}));
    Command("advance 100");
    tablet.Send({"/dsp/main-vol", {34}});
    EXPECT_EQ(desk.NextMessage(), (OscMessage{"/dsp/main-vol", {34}}));
    EXPECT_EQ(tablet.Ask("/dsp/main-vol"), (OscMessage{"/dsp/main-vol", {34}}));  // no echo to its author
    EXPECT_EQ(ReadAll(err_), errText_);                                           // nothing refused
}

}  // namespace
}  // namespace dsp::test
