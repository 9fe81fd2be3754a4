// The Winsock sockets on the loopback address (the Windows build, under Wine
// in scripts/test-windows). Ports are the system's choice; every wait is
// bounded.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/net/tcp_listener.h"
#include "platform/net/tcp_socket.h"
#include "platform/net/udp_socket.h"
#include "platform/sys/waitable.h"

namespace dsp {
namespace {

constexpr int kWaitMs = 5000;
constexpr std::uint32_t kLoopback = 0x7F000001;
using Bytes = std::vector<std::uint8_t>;

// Receives until `want` bytes came or the stream ended, waiting on the
// socket's read event as the program's loops do.
Bytes ReceiveFrom(TcpSocket& socket, std::size_t want, bool* closed) {
    Bytes got;
    *closed = false;
    while (got.size() < want && !*closed) {
        std::vector<bool> ready;
        if (WaitAny(std::vector<Waitable>{socket.Readable()}, kWaitMs, ready) != 0 || !ready[0]) break;
        std::uint8_t buffer[64];
        std::size_t n = 0;
        if (socket.Receive(buffer, sizeof buffer, &n, closed) != 0) break;
        got.insert(got.end(), buffer, buffer + n);
    }
    return got;
}

void SendAll(TcpSocket& socket, const Bytes& bytes) {
    std::size_t sent = 0;
    ASSERT_EQ(socket.Send(bytes.data(), bytes.size(), &sent), 0);
    ASSERT_EQ(sent, bytes.size());
}

TEST(WinsockLoopback, TcpCarriesBothWaysAndSeesThePeerClose) {
    TcpListener listener;
    ASSERT_EQ(listener.ListenOnLoopback(), 0);
    ASSERT_NE(listener.Port(), 0);
    TcpSocket client, server;
    ASSERT_EQ(client.Connect("127.0.0.1", listener.Port(), kWaitMs), 0);
    ASSERT_EQ(listener.Accept(kWaitMs, &server), 0);

    bool closed = false;
    const Bytes frame{0x80, 0x13, 0x1F, 0xA0};
    SendAll(client, frame);
    EXPECT_EQ(ReceiveFrom(server, frame.size(), &closed), frame);
    const Bytes answer{0x80, 0x1B, 0x00, 0xA0, 0x11, 0x13};
    SendAll(server, answer);
    EXPECT_EQ(ReceiveFrom(client, answer.size(), &closed), answer);
    EXPECT_FALSE(closed);

    server.Close();
    EXPECT_TRUE(ReceiveFrom(client, 1, &closed).empty());
    EXPECT_TRUE(closed);
    // The peer is gone: sending fails with an error before long.
    int error = 0;
    for (int i = 0; i < 100 && error == 0; ++i) {
        std::size_t sent = 0;
        error = client.Send(frame.data(), frame.size(), &sent);
    }
    EXPECT_TRUE(error == socket_error::kConnectionReset || error == socket_error::kConnectionAborted ||
                error == socket_error::kShutDown)
        << error;
}

TEST(WinsockLoopback, TcpConnectToAClosedPortFailsAndAcceptTimesOut) {
    TcpListener listener;
    ASSERT_EQ(listener.ListenOnLoopback(), 0);
    TcpSocket nobody;
    EXPECT_EQ(listener.Accept(20, &nobody), socket_error::kTimedOut);
    const std::uint16_t port = listener.Port();
    listener.Close();
    TcpSocket client;
    EXPECT_NE(client.Connect("127.0.0.1", port, kWaitMs), 0);
    EXPECT_FALSE(client.IsOpen());
}

TEST(WinsockLoopback, UdpRoundTripWithSenderAndTruncation) {
    UdpSocket a, b;
    ASSERT_EQ(a.Bind({kLoopback, 0}), 0);
    ASSERT_EQ(b.Bind({kLoopback, 0}), 0);
    ASSERT_NE(b.LocalEndpoint().port, 0);

    auto receive = [](UdpSocket& socket, std::size_t capacity, UdpReceived* received) {
        Bytes buffer(capacity);
        bool readable = false;
        EXPECT_EQ(socket.WaitReadable(kNoWaitable, kWaitMs, &readable), 0);
        EXPECT_TRUE(readable);
        EXPECT_EQ(socket.Receive(buffer.data(), buffer.size(), received), 0);
        buffer.resize(received->size);
        return buffer;
    };
    const Bytes message{'/', 'm', 'a', 'i', 'n', 0, 0, 0};
    ASSERT_EQ(a.Send(message.data(), message.size(), b.LocalEndpoint()), 0);
    UdpReceived got;
    EXPECT_EQ(receive(b, 64, &got), message);
    EXPECT_TRUE(got.any);
    EXPECT_FALSE(got.truncated);
    EXPECT_EQ(got.from, a.LocalEndpoint());

    // The answer goes back to where the datagram came from; a longer one
    // than the buffer holds arrives cut and says so.
    ASSERT_EQ(b.Send(message.data(), message.size(), got.from), 0);
    EXPECT_EQ(receive(a, 4, &got), Bytes(message.begin(), message.begin() + 4));
    EXPECT_TRUE(got.truncated);

    // Nothing waiting: no datagram, and a wake signal ends the wait.
    EXPECT_EQ(a.Receive(nullptr, 0, &got), 0);
    EXPECT_FALSE(got.any);
    WakeSignal wake;
    wake.Signal();
    bool readable = true;
    EXPECT_EQ(a.WaitReadable(wake.Handle(), kWaitMs, &readable), 0);
    EXPECT_FALSE(readable);
}

}  // namespace
}  // namespace dsp
