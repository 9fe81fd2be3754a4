// `dsp-panel send` to network ports: through a real ser2net to the
// pseudo-terminal behind it, and to a port nobody listens on.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <sstream>
#include <string>
#include <vector>

#include "main/cli/send_command.h"
#include "platform/serialdev/pty_pair.h"
#include "tests/serial/pty_collector.h"
#include "tests/serial/ser2net_fixture.h"

namespace dsp {
namespace {

int Send(std::vector<std::string> args, std::string* err) {
    std::vector<std::string_view> views(args.begin(), args.end());
    std::ostringstream out, errors;
    int status = RunSendCommand(views, out, errors);
    *err = errors.str();
    return status;
}

TEST(SendNetwork, FramesReachTheLineBehindSer2netByNameAndByMapping) {
    if (!test::Ser2net::Available()) GTEST_SKIP() << "ser2net is not installed (scripts/setup installs it)";
    PtyPair pty;
    ASSERT_EQ(pty.Create(), 0);
    int holdSlave = ::open(pty.SlavePath().c_str(), O_RDWR | O_NOCTTY);
    test::Ser2net server(pty.SlavePath());
    ASSERT_TRUE(server.Start());
    test::PtyCollector reader(pty.MasterFd());
    std::string err;
    EXPECT_EQ(Send({"--port", server.TelnetUrl(), "MAIN-VOL", "31"}, &err), 0) << err;
    EXPECT_EQ(reader.Take(4), (std::vector<std::uint8_t>{0x80, 0x13, 0x1F, 0xA0}));
    EXPECT_EQ(Send({"--map", "COM3=" + server.TelnetUrl(), "--port", "COM3", "KEY", "b-5"}, &err), 0) << err;
    EXPECT_EQ(reader.Take(4), (std::vector<std::uint8_t>{0x80, 0x1B, 0x00, 0xA0}));
    ::close(holdSlave);
}

TEST(SendNetwork, ARefusedConnectionSaysWhyAndExitsOne) {
    std::string err;
    const std::string url = "rfc2217://127.0.0.1:" + std::to_string(test::FreeLoopbackPort());
    EXPECT_EQ(Send({"--port", url, "MAIN-VOL", "31"}, &err), 1);
    EXPECT_NE(err.find(url), std::string::npos) << err;
    EXPECT_NE(err.find("connection refused"), std::string::npos) << err;
    EXPECT_EQ(Send({"--port", "socket://127.0.0.1", "MAIN-VOL", "31"}, &err), 1);
    EXPECT_NE(err.find("not a network port name"), std::string::npos) << err;
}

}  // namespace
}  // namespace dsp
