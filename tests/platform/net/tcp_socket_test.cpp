#include "platform/net/tcp_socket.h"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>

#include "tests/platform/serialdev/fake_telnet_server.h"

namespace dsp {
namespace {

int Option(int fd, int level, int name) {
    int value = -1;
    socklen_t size = sizeof value;
    return getsockopt(fd, level, name, &value, &size) == 0 ? value : -1;
}

TEST(TcpSocket, ConnectsWithoutDelayAndWithKeepaliveAndSeesTheEnd) {
    test::FakeServer server;
    server.Serve([](int fd) { test::SendBytes(fd, {0x41}); });
    TcpSocket socket;
    ASSERT_EQ(socket.Connect("127.0.0.1", static_cast<std::uint16_t>(server.Port()), 2000), 0);
    EXPECT_EQ(Option(socket.Fd(), IPPROTO_TCP, TCP_NODELAY), 1);
    EXPECT_EQ(Option(socket.Fd(), SOL_SOCKET, SO_KEEPALIVE), 1);
    EXPECT_GT(Option(socket.Fd(), IPPROTO_TCP, TCP_KEEPIDLE), 0);
    server.Join();  // the server sent one byte and closed

    short ready = 0;
    ASSERT_EQ(socket.Wait(socket_ready::kReadable, 2000, &ready), 0);
    std::uint8_t buffer[8];
    std::size_t got = 0;
    bool closed = false;
    std::size_t total = 0;
    while (!closed && socket.Receive(buffer + total, sizeof buffer - total, &got, &closed) == 0 &&
           (got || closed))
        total += got;
    EXPECT_EQ(total, 1u);
    EXPECT_EQ(buffer[0], 0x41);
    EXPECT_TRUE(closed);
    // Sending to a closed peer fails with an error, never with SIGPIPE.
    int error = 0;
    for (int i = 0; i < 100 && error == 0; ++i) {
        std::size_t sent = 0;
        error = socket.Send(buffer, 1, &sent);
    }
    EXPECT_TRUE(error == EPIPE || error == ECONNRESET) << error;
}

TEST(TcpSocket, ARefusedConnectionLeavesNothingOpen) {
    TcpSocket socket;
    EXPECT_EQ(socket.Connect("127.0.0.1", static_cast<std::uint16_t>(test::UnusedPort()), 2000),
              ECONNREFUSED);
    EXPECT_FALSE(socket.IsOpen());
}

}  // namespace
}  // namespace dsp
