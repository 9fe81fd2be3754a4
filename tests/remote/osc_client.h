#pragma once
// A test's own OSC client on loopback: it sends messages to the surface and
// takes what comes back, serving the application's dispatcher meanwhile (the
// surface's receiving thread hands its packets to the window's thread).

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <ostream>
#include <thread>

#include "main/remote/osc_reader.h"
#include "main/remote/osc_writer.h"
#include "platform/net/udp_socket.h"

namespace dsp {

// "/dsp/key 2 0.5 "x"" in failure messages.
inline void PrintTo(const OscMessage& message, std::ostream* out) {
    *out << message.address;
    for (const OscArg& arg : message.args) {
        if (const auto* text = std::get_if<std::string>(&arg))
            *out << " \"" << *text << '"';
        else
            std::visit([out](auto value) { *out << ' ' << value; }, arg);
    }
}

}  // namespace dsp

namespace dsp::test {

class OscClient {
  public:
    OscClient(UdpEndpoint server, std::function<void()> serve) : server_(server), serve_(std::move(serve)) {
        EXPECT_EQ(socket_.Bind({0x7F000001, 0}), 0);
    }
    UdpEndpoint Endpoint() const { return socket_.LocalEndpoint(); }

    void Send(const OscMessage& message) { SendBytes(WriteOscMessage(message)); }
    void SendBytes(const std::vector<std::uint8_t>& packet) {
        EXPECT_EQ(socket_.Send(packet.data(), packet.size(), server_), 0);
    }

    // The messages of the next packet that arrives within five seconds.
    std::vector<OscMessage> Next() {
        std::vector<std::uint8_t> buffer(65536);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (std::chrono::steady_clock::now() < deadline) {
            serve_();
            UdpReceived received;
            EXPECT_EQ(socket_.Receive(buffer.data(), buffer.size(), &received), 0);
            if (received.any) {
                std::vector<OscMessage> messages;
                EXPECT_EQ(ReadOscPacket(std::span(buffer.data(), received.size), messages), "");
                return messages;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        ADD_FAILURE() << "no answer from the surface";
        return {};
    }
    // One message expected in the next packet.
    OscMessage NextMessage() {
        std::vector<OscMessage> messages = Next();
        EXPECT_EQ(messages.size(), 1u);
        return messages.empty() ? OscMessage{} : messages[0];
    }
    // Asks for `address` and returns the answer. Packets from one sender stay
    // in order on loopback and the surface answers them in turn, so anything
    // sent to this client before the answer shows up here first: a test of
    // "nothing was sent" needs no waiting.
    OscMessage Ask(const std::string& address) {
        Send({address, {}});
        return NextMessage();
    }

  private:
    UdpEndpoint server_;
    std::function<void()> serve_;
    UdpSocket socket_;
};

}  // namespace dsp::test
