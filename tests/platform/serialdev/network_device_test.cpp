#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>

#include "platform/serialdev/network_serial_device.h"
#include "platform/serialdev/routed_device_factory.h"
#include "platform/serialdev/stop_signal.h"
#include "platform/serialdev/telnet_codec.h"
#include "tests/platform/serialdev/fake_telnet_server.h"

namespace dsp {
namespace {

using Bytes = std::vector<std::uint8_t>;
using namespace std::chrono_literals;
using test::FakeServer;

constexpr NetworkLimits kShortLimits{.connectMs = 2000, .replyMs = 300, .closeMs = 300};

std::string Url(const char* scheme, int port) {
    return std::string(scheme) + "://127.0.0.1:" + std::to_string(port);
}

// What a server received, decoded.
struct Heard : TelnetSink {
    Bytes data;
    std::vector<std::pair<int, int>> negotiations;
    std::vector<Bytes> commands;  // COM-port subnegotiations
    void Data(std::uint8_t b) override { data.push_back(b); }
    void Negotiation(std::uint8_t verb, std::uint8_t option) override {
        negotiations.emplace_back(verb, option);
    }
    void Subnegotiation(std::uint8_t option, std::span<const std::uint8_t> payload) override {
        if (option == telnet::kOptionComPort) commands.emplace_back(payload.begin(), payload.end());
    }
};

Bytes ComPort(Bytes payload) {
    Bytes out;
    AppendSubnegotiation(telnet::kOptionComPort, payload, &out);
    return out;
}

// The opening a serial server sends: SGA both ways, echo games, binary both
// ways, and "do COM-port".
const Bytes kServerOpening = {0xFF, 0xFB, 3,    0xFF, 0xFD, 3,    0xFF, 0xFB, 1,    0xFF, 0xFE,
                              1,    0xFF, 0xFD, 0,    0xFF, 0xFB, 0,    0xFF, 0xFD, 44};

// A server that answers speed, size, parity, stop bits and flow with
// `answer(command)`, never answers DTR or RTS, and records what it hears
// until `dataWanted` data bytes have arrived.
struct ComPortServer {
    std::function<Bytes(const Bytes& command)> answer = [](const Bytes& c) {
        Bytes a = c;
        a[0] = static_cast<std::uint8_t>(a[0] + 100);
        return a;
    };
    std::size_t dataWanted = 0;
    Bytes afterData;  // sent once the data has arrived
    Heard heard;
    Bytes raw;

    void Run(int fd) {
        test::SendBytes(fd, kServerOpening);
        TelnetDecoder decoder;
        std::size_t answered = 0;
        test::ReadUntil(
            fd,
            [&](const Bytes& got) {
                decoder.Feed(std::span(got).subspan(raw.size()), heard);
                raw = got;
                for (; answered < heard.commands.size(); ++answered) {
                    const Bytes& c = heard.commands[answered];
                    bool awaited = (c[0] >= 1 && c[0] <= 4) || (c[0] == 5 && c.size() == 2 && c[1] <= 3);
                    if (awaited && answer) test::SendBytes(fd, ComPort(answer(c)));
                }
                return dataWanted > 0 && heard.data.size() >= dataWanted;
            },
            5s);
        test::SendBytes(fd, afterData);
        Bytes rest = test::ReadUntil(
            fd, [](const Bytes&) { return false; }, 2s);  // until the client closes
        decoder.Feed(rest, heard);
        raw.insert(raw.end(), rest.begin(), rest.end());
    }
};

TEST(NetworkDevice, RawSocketPassesBytesAsTheyAreAndADropLooksLikeAnUnpluggedDevice) {
    FakeServer server;
    Bytes got;
    server.Serve([&](int fd) { got = test::ReadUntil(fd, [](const Bytes& b) { return b.size() >= 5; }); });
    NetworkSerialDevice device(kShortLimits);
    ASSERT_EQ(device.Open("\\\\.\\" + Url("socket", server.Port())), 0);
    EXPECT_EQ(device.SetLine(SerialLineSettings{}), 0);
    const Bytes frame = {0x80, 0x13, 0xFF, 0x0D, 0xA0};
    std::size_t written = 0;
    EXPECT_EQ(device.Write(frame.data(), frame.size(), &written), 0);
    EXPECT_EQ(written, 5u);
    server.Join();  // the server has read and closed the connection
    EXPECT_EQ(got, frame);

    EXPECT_EQ(device.Write(frame.data(), frame.size(), &written), EIO);
    StopSignal stop;
    std::uint32_t events = 0;
    EXPECT_EQ(device.WaitEvents(serial_event::kErr | serial_event::kRxChar, stop, &events), 0);
    EXPECT_EQ(events, serial_event::kErr);
    std::uint32_t errors = 0;
    EXPECT_EQ(device.TakeLineErrors(&errors), 0);
    EXPECT_EQ(errors, line_error::kIo);
}

TEST(NetworkDevice, Rfc2217SetsTheLineAnswersOptionsAndEscapesIac) {
    ComPortServer script;  // outlives the server's thread
    FakeServer server;
    script.dataWanted = 5;
    script.afterData = {0xFF, 0xFD, 24, 0x41, 0xFF, 0xFF};
    server.Serve([&](int fd) { script.Run(fd); });

    PortMap map;
    map.Set("COM3", Url("rfc2217", server.Port()));
    const std::unique_ptr<SerialDevice> routed = RoutedDeviceFactory(
        map, NetworkLimits{.connectMs = 2000, .replyMs = 3000, .closeMs = 300})("\\\\.\\COM3");
    ASSERT_NE(dynamic_cast<NetworkSerialDevice*>(routed.get()), nullptr);
    SerialDevice& device = *routed;
    ASSERT_EQ(device.Open("\\\\.\\COM3"), 0);
    // Every awaited answer comes at once, so the unanswered DTR and RTS
    // requests cost nothing.
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(device.SetLine(SerialLineSettings{}), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1500ms);
    const Bytes frame = {0x80, 0x13, 0xFF, 0x0D, 0xA0};
    std::size_t written = 0;
    EXPECT_EQ(device.Write(frame.data(), frame.size(), &written), 0);
    EXPECT_EQ(written, 5u);

    // The server's later request and data: the option is refused, the data
    // (with its doubled IAC undone) waits in the input queue.
    int pending = 0;
    for (int i = 0; i < 500 && pending < 2; ++i) {
        std::this_thread::sleep_for(2ms);
        ASSERT_EQ(device.PendingInput(&pending), 0);
    }
    Bytes in(2);
    std::size_t got = 0;
    EXPECT_EQ(device.Read(in.data(), in.size(), &got), 0);
    EXPECT_EQ(in, (Bytes{0x41, 0xFF}));
    device.Close();
    server.Join();

    EXPECT_EQ(script.heard.data, frame);
    const Bytes rawFrame = {0x80, 0x13, 0xFF, 0xFF, 0x0D, 0xA0};
    EXPECT_NE(std::search(script.raw.begin(), script.raw.end(), rawFrame.begin(), rawFrame.end()),
              script.raw.end());
    EXPECT_EQ(script.heard.commands,
              (std::vector<Bytes>{{1, 0, 0, 0x25, 0x80}, {2, 8}, {3, 1}, {4, 1}, {5, 1}, {5, 9}, {5, 12}}));
    auto told = [&](int verb, int option) {
        return std::count(script.heard.negotiations.begin(), script.heard.negotiations.end(),
                          std::make_pair(verb, option));
    };
    EXPECT_EQ(told(telnet::kWill, 44), 1);
    EXPECT_EQ(told(telnet::kDont, 1), 1);   // no echo, please
    EXPECT_EQ(told(telnet::kWont, 24), 1);  // the later request, answered once
}

TEST(NetworkDevice, EveryWaitForTheServerHasALimit) {
    // A server that says nothing at all: the handshake gives up.
    {
        FakeServer server;
        server.Serve([](int fd) {
            test::ReadUntil(
                fd, [](const Bytes&) { return false; }, 2s);
        });
        NetworkSerialDevice device(kShortLimits);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(device.Open(Url("rfc2217", server.Port())), ETIMEDOUT);
        EXPECT_LT(std::chrono::steady_clock::now() - start, 1500ms);
        EXPECT_FALSE(device.IsOpen());
    }
    // A server that takes COM-port control but never answers a setting: the
    // setting is taken as done after the limit.
    {
        // The script outlives the server's thread, which the server joins.
        ComPortServer script;
        FakeServer server;
        script.answer = nullptr;
        server.Serve([&](int fd) {
            test::SendBytes(fd, kServerOpening);
            test::ReadUntil(
                fd, [](const Bytes&) { return false; }, 2s);
        });
        NetworkSerialDevice device(kShortLimits);
        ASSERT_EQ(device.Open(Url("rfc2217", server.Port())), 0);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(device.SetLine(SerialLineSettings{}), 0);
        EXPECT_LT(std::chrono::steady_clock::now() - start, 1500ms);
    }
}

TEST(NetworkDevice, RefusalsOpenNothing) {
    // Nobody listens.
    {
        NetworkSerialDevice device(kShortLimits);
        EXPECT_EQ(device.Open(Url("socket", test::UnusedPort())), ECONNREFUSED);
        EXPECT_FALSE(device.IsOpen());
        EXPECT_EQ(device.Open("socket://127.0.0.1"), EINVAL);
    }
    // The server will not do COM-port control.
    {
        FakeServer server;
        server.Serve([](int fd) {
            test::SendBytes(fd, {0xFF, 0xFE, 44});
            test::ReadUntil(
                fd, [](const Bytes&) { return false; }, 1s);
        });
        NetworkSerialDevice device(kShortLimits);
        EXPECT_EQ(device.Open(Url("rfc2217", server.Port())), EPROTONOSUPPORT);
        EXPECT_FALSE(device.IsOpen());
    }
    // The server answers another speed than was asked for.
    {
        // The script outlives the server's thread, which the server joins.
        ComPortServer script;
        FakeServer server;
        script.answer = [](const Bytes& c) {
            Bytes a = c;
            a[0] = static_cast<std::uint8_t>(a[0] + 100);
            if (c[0] == 1) a = {101, 0, 0, 0x4B, 0x00};  // 19200
            return a;
        };
        server.Serve([&](int fd) { script.Run(fd); });
        NetworkSerialDevice device(kShortLimits);
        ASSERT_EQ(device.Open(Url("rfc2217", server.Port())), 0);
        EXPECT_EQ(device.SetLine(SerialLineSettings{}), EINVAL);
    }
}

}  // namespace
}  // namespace dsp
