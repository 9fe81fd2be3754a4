#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "main/cli/send_command.h"
#include "platform/serialdev/pty_pair.h"
#include "platform/serialdev/termios_device.h"
#include "tests/main/cli_run.h"
#include "tests/serial/fake_serial_device.h"
#include "tests/support/pty.h"

namespace dsp {
namespace {

using Result = test::CliResult;

Result Send(const std::vector<std::string>& args) {
    Result r = test::RunCli(RunSendCommand, args);
    EXPECT_EQ(r.out, "");
    return r;
}

bool OneLine(const std::string& text) { return !text.empty() && text.find('\n') == text.size() - 1; }

TEST(SendCommand, SendsTheFramesInOrderThroughTheMappedPort) {
    PtyPair pty;
    ASSERT_EQ(pty.Create(), 0);
    Result r = Send(
        {"--map", "COM7=" + pty.SlavePath(), "--port", "COM7", "MAIN-VOL", "31", "key", "b-5", "0x30", "3"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(
        test::ReadBytes(pty.MasterFd(), 12),
        (std::vector<std::uint8_t>{0x80, 0x13, 0x1F, 0xA0, 0x80, 0x1B, 0x00, 0xA0, 0x80, 0x30, 0x03, 0xA0}));
}

TEST(SendCommand, ParameterErrorsExitTwoBeforeAnythingIsSent) {
    PtyPair pty;
    ASSERT_EQ(pty.Create(), 0);
    for (auto args : std::vector<std::vector<std::string>>{
             {"--port", pty.SlavePath(), "MAIN-VOL", "31", "MAIN-VOL", "64"},
             {"--port", pty.SlavePath(), "0x0C", "1"},
             {"--port", pty.SlavePath(), "MAIN-VOL"},
             {"--port", pty.SlavePath()},
             {"MAIN-VOL", "31"},
             {"--port"},
             {"--port", pty.SlavePath(), "--speed", "9600", "MAIN-VOL", "1"},
             {"--port", "COM1", "--map", "COM1", "MAIN-VOL", "1"},
         }) {
        Result r = Send(args);
        EXPECT_EQ(r.status, 2) << args.size();
        EXPECT_TRUE(OneLine(r.err)) << r.err;
    }
    EXPECT_FALSE(test::HasInput(pty.MasterFd()));
}

TEST(SendCommand, OpenFailuresNameThePortItsDeviceAndThePlainReason) {
    const std::string missing = "COM3=/nonexistent/ttyS2";
    EXPECT_EQ(Send({"--map", missing, "--port", "COM3", "MAIN-VOL", "1"}).err,
              "dsp-panel: COM3 (/nonexistent/ttyS2): no such device\n");
    EXPECT_EQ(Send({"--port", "", "MAIN-VOL", "1"}).err, "dsp-panel: no port chosen\n");
    EXPECT_EQ(Send({"--port", "/dev/null", "MAIN-VOL", "1"}).err,
              "dsp-panel: /dev/null: not a serial device\n");

    PtyPair pty;
    ASSERT_EQ(pty.Create(), 0);
    TermiosSerialDevice holder;
    ASSERT_EQ(holder.Open(pty.SlavePath()), 0);
    Result busy = Send({"--map", "COM4=" + pty.SlavePath(), "--port", "com4", "MAIN-VOL", "1"});
    EXPECT_EQ(busy.status, 1);
    EXPECT_EQ(busy.err, "dsp-panel: com4 (" + pty.SlavePath() + "): busy: another program has it open\n");

    // Tests may run as root, which opens anything: the refusal comes from a
    // device that reports it.
    auto line = std::make_shared<test::FakeLine>();
    line->openError = EACCES;
    std::vector<std::string_view> args = {"--map", missing, "--port", "COM3", "MAIN-VOL", "1"};
    std::ostringstream out, err;
    EXPECT_EQ(RunSendCommand(args, out, err,
                             [line](const PortMap&, const std::string&) {
                                 return std::make_unique<test::FakeSerialDevice>(line);
                             }),
              1);
    EXPECT_EQ(err.str(),
              "dsp-panel: COM3 (/nonexistent/ttyS2): permission denied: it belongs to group 'dialout': run "
              "'sudo usermod -aG dialout $USER', then log in again (a new login is needed)\n");
}

TEST(SendCommand, PortErrorsExitOne) {
    for (std::string name : {"/dev/null", "/nonexistent", "/tmp", ""}) {
        Result r = Send({"--port", name, "MAIN-VOL", "1"});
        EXPECT_EQ(r.status, 1) << name;
        EXPECT_TRUE(OneLine(r.err)) << r.err;
    }
    PtyPair pty;
    ASSERT_EQ(pty.Create(), 0);
    pty.CloseMaster();  // the device is gone before the write
    Result r = Send({"--port", pty.SlavePath(), "MAIN-VOL", "1"});
    EXPECT_EQ(r.status, 1);
}

}  // namespace
}  // namespace dsp
