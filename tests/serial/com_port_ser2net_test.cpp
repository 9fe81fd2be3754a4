// TComPort on network ports, against a real ser2net on loopback with a
// pseudo-terminal behind it; the test reads the terminal's master side as an
// independent check of the bytes that reach the line.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <termios.h>
#include <unistd.h>

#include "main/protocol/frame.h"
#include "platform/serialdev/pty_pair.h"
#include "platform/serialdev/routed_device_factory.h"
#include "serial/com_port.h"
#include "tests/serial/pty_collector.h"
#include "tests/serial/ser2net_fixture.h"
#include "tests/support/wait_until.h"

namespace dsp {
namespace {

using Bytes = std::vector<std::uint8_t>;

class Ser2netPortTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!test::Ser2net::Available())
            GTEST_SKIP() << "ser2net is not installed (scripts/setup installs it)";
        ASSERT_EQ(pty.Create(), 0);
        // Held open by the test, so ser2net closing its side never hangs up
        // the line while unread bytes wait on the master.
        holdSlave = ::open(pty.SlavePath().c_str(), O_RDWR | O_NOCTTY);
        ASSERT_GE(holdSlave, 0);
        // ser2net starts the line at another speed and format, so only the
        // client's own settings can make it 9600 8N1.
        server = std::make_unique<test::Ser2net>(pty.SlavePath(), "115200e71");
        ASSERT_TRUE(server->Start());
        reader = std::make_unique<test::PtyCollector>(pty.MasterFd());
        port.SetEvents({});
    }
    void TearDown() override {
        port.ClosePort();
        server.reset();
        reader.reset();
        if (holdSlave >= 0) ::close(holdSlave);
    }

    Bytes Send(const Bytes& bytes) {
        EXPECT_EQ(port.SendBytes(bytes.data(), static_cast<int>(bytes.size())),
                  static_cast<int>(bytes.size()));
        return reader->Take(bytes.size());
    }

    PtyPair pty;
    int holdSlave = -1;
    std::unique_ptr<test::Ser2net> server;
    std::unique_ptr<test::PtyCollector> reader;
    TComPort port;
};

TEST_F(Ser2netPortTest, Rfc2217SetsTheRemoteLineAndPassesEveryByte) {
    port.SetEvents(kAllComEvents);  // the window's setting: the monitoring thread runs too
    port.SetPort(server->TelnetUrl());
    port.OpenPort();
    termios line{};
    ASSERT_EQ(tcgetattr(holdSlave, &line), 0);
    EXPECT_EQ(cfgetospeed(&line), B9600);
    EXPECT_EQ(line.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(line.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    Frame frame = BuildFrame(0x13, 31);
    EXPECT_EQ(Send(Bytes(frame.begin(), frame.end())), (Bytes{0x80, 0x13, 0x1F, 0xA0}));
    // IAC, CR, NUL and LF pass unchanged through the Telnet layer.
    EXPECT_EQ(Send({0xFF, 0x0D, 0x00, 0x0A, 0xFF, 0xFF}), (Bytes{0xFF, 0x0D, 0x00, 0x0A, 0xFF, 0xFF}));
}

TEST_F(Ser2netPortTest, RawSocketThroughACom4Mapping) {
    port.SetDeviceFactory([url = server->RawUrl()](const std::string& name) {
        PortMap map;
        map.Set("COM4", url);
        return RoutedDeviceFactory(map)(name);
    });
    port.SetPort("COM4");
    port.OpenPort();
    EXPECT_EQ(Send({0x80, 0x20, 0x05, 0xA0}), (Bytes{0x80, 0x20, 0x05, 0xA0}));
}

// The error a write gets after the line went away, as EComPort numbers.
std::pair<int, int> WriteError(TComPort& port) {
    Frame frame = BuildFrame(0x13, 1);
    try {
        port.SendBytes(frame.data(), 4);
    } catch (const EComPort& e) {
        return {e.ErrorNumber(), e.SystemErrorCode()};
    }
    return {0, 0};
}

TEST_F(Ser2netPortTest, ADroppedConnectionFailsAWriteAsAnUnpluggedDeviceDoes) {
    port.SetPort(server->TelnetUrl());
    port.OpenPort();
    EXPECT_EQ(Send({0x80, 0x13, 0x01, 0xA0}).size(), 4u);
    server->Stop();
    const std::pair<int, int> dropped = WriteError(port);
    EXPECT_NO_THROW(port.ClosePort());

    PtyPair local;
    ASSERT_EQ(local.Create(), 0);
    TComPort unplugged;
    unplugged.SetEvents({});
    unplugged.SetPort(local.SlavePath());
    unplugged.OpenPort();
    local.CloseMaster();
    EXPECT_EQ(dropped, WriteError(unplugged));
    EXPECT_EQ(dropped, std::make_pair(static_cast<int>(CE_WRITE_FAILED), EIO));
}

TEST_F(Ser2netPortTest, ARefusedConnectionOpensNothing) {
    server->Stop();
    port.SetPort(server->TelnetUrl());
    try {
        port.OpenPort();
        FAIL() << "opened";
    } catch (const EComPort& e) {
        EXPECT_EQ(e.ErrorNumber(), CE_OPEN_FAILED);
        EXPECT_EQ(e.SystemErrorCode(), ECONNREFUSED);
    }
    EXPECT_FALSE(port.Connected());
}

}  // namespace
}  // namespace dsp
