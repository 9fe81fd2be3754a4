#include "platform/serialdev/rfc2217_session.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/serialdev/network_port_name.h"
#include "platform/serialdev/telnet_codec.h"

namespace dsp {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Recorder : TelnetSink {
    Bytes data;
    std::vector<std::pair<int, int>> negotiations;
    std::vector<Bytes> subs;
    void Data(std::uint8_t b) override { data.push_back(b); }
    void Negotiation(std::uint8_t verb, std::uint8_t option) override {
        negotiations.emplace_back(verb, option);
    }
    void Subnegotiation(std::uint8_t option, std::span<const std::uint8_t> payload) override {
        Bytes sub{option};
        sub.insert(sub.end(), payload.begin(), payload.end());
        subs.push_back(sub);
    }
};

TEST(TelnetDecoder, SeparatesDataFromCommandsEvenWhenSplitAcrossReads) {
    const Bytes stream = {0x80, 0xFF, 0xFF, 0x13, 0xFF, 0xFD, 0x2C, 0xFF, 0xFA, 0x2C,
                          0x6B, 0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xF1, 0xA0, 0x0D, 0x00};
    // Byte by byte gives the same as all at once.
    for (std::size_t piece : {stream.size(), std::size_t{1}}) {
        Recorder r;
        TelnetDecoder decoder;
        for (std::size_t i = 0; i < stream.size(); i += piece)
            decoder.Feed(std::span(stream).subspan(i, std::min(piece, stream.size() - i)), r);
        EXPECT_EQ(r.data, (Bytes{0x80, 0xFF, 0x13, 0xA0, 0x0D, 0x00})) << piece;
        ASSERT_EQ(r.negotiations.size(), 1u);
        EXPECT_EQ(r.negotiations[0], std::make_pair(0xFD, 0x2C));
        ASSERT_EQ(r.subs.size(), 1u);
        EXPECT_EQ(r.subs[0], (Bytes{0x2C, 0x6B, 0xFF}));
    }
}

TEST(TelnetDecoder, DropsBrokenAndOversizedSubnegotiations) {
    Recorder r;
    TelnetDecoder decoder;
    Bytes broken = {0xFF, 0xFA, 0x2C, 0x01, 0xFF, 0x41, 0x42};  // IAC then neither IAC nor SE
    decoder.Feed(broken, r);
    Bytes huge = {0xFF, 0xFA, 0x2C};
    huge.insert(huge.end(), 1000, 0x01);
    huge.insert(huge.end(), {0xFF, 0xF0, 0x43});
    decoder.Feed(huge, r);
    EXPECT_TRUE(r.subs.empty());
    EXPECT_EQ(r.data, (Bytes{0x42, 0x43}));
}

TEST(TelnetEncoding, DoublesIacInDataAndSubnegotiations) {
    Bytes out;
    Rfc2217Session::EncodeData(Bytes{0x80, 0xFF, 0xA0}, &out);
    EXPECT_EQ(out, (Bytes{0x80, 0xFF, 0xFF, 0xA0}));
    out.clear();
    AppendSubnegotiation(44, Bytes{1, 0, 0, 0xFF, 0xFF}, &out);
    EXPECT_EQ(out, (Bytes{0xFF, 0xFA, 44, 1, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xF0}));
}

class SessionTest : public ::testing::Test {
  protected:
    Bytes Feed(const Bytes& bytes) {
        Bytes replies;
        events_ = session_.Receive(bytes, &data_, &replies);
        return replies;
    }
    Rfc2217Session session_;
    Bytes data_;
    std::uint32_t events_ = 0;
};

TEST_F(SessionTest, AnswersAServersOpeningOnlyWhereItChangesSomething) {
    EXPECT_EQ(session_.Greeting(),
              (Bytes{0xFF, 0xFB, 44, 0xFF, 0xFB, 0, 0xFF, 0xFD, 0, 0xFF, 0xFB, 3, 0xFF, 0xFD, 3}));
    EXPECT_FALSE(session_.ComPortAccepted());
    // What a serial server sends on connecting: will/do SGA, will echo,
    // don't echo, do/will binary, do COM-port.
    Bytes opening = {0xFF, 0xFB, 3,    0xFF, 0xFD, 3,    0xFF, 0xFB, 1,    0xFF, 0xFE,
                     1,    0xFF, 0xFD, 0,    0xFF, 0xFB, 0,    0xFF, 0xFD, 44};
    EXPECT_EQ(Feed(opening), (Bytes{0xFF, 0xFE, 1}));  // only: don't echo
    EXPECT_TRUE(session_.ComPortAccepted());
    // Requests for states already in force get no answer, so crossing
    // requests cannot loop; an unsupported option is refused each time asked.
    EXPECT_EQ(Feed(opening), (Bytes{0xFF, 0xFE, 1}));
    // Options we do not support are refused; a refusal of them is not answered.
    EXPECT_EQ(Feed({0xFF, 0xFD, 24, 0xFF, 0xFB, 5, 0xFF, 0xFC, 5, 0xFF, 0xFE, 24}),
              (Bytes{0xFF, 0xFC, 24, 0xFF, 0xFE, 5}));
    EXPECT_TRUE(data_.empty());
}

TEST_F(SessionTest, AServerThatWillNotDoComPortIsNoted) {
    session_.Greeting();
    EXPECT_EQ(Feed({0xFF, 0xFE, 44}), Bytes{});
    EXPECT_TRUE(session_.ComPortRefused());
    EXPECT_FALSE(session_.ComPortAccepted());
}

TEST_F(SessionTest, LineRequestsFor9600EightNoneOneWithoutFlowControl) {
    SerialLineSettings line;  // 9600 8N1, no flow control, DTR and RTS off
    auto sb = [](Bytes payload) {
        Bytes out;
        AppendSubnegotiation(44, payload, &out);
        return out;
    };
    Bytes expected;
    for (const Bytes& p : {Bytes{1, 0, 0, 0x25, 0x80}, Bytes{2, 8}, Bytes{3, 1}, Bytes{4, 1}, Bytes{5, 1},
                           Bytes{5, 9}, Bytes{5, 12}}) {
        Bytes one = sb(p);
        expected.insert(expected.end(), one.begin(), one.end());
    }
    EXPECT_EQ(session_.LineRequests(line), expected);
    EXPECT_EQ(session_.LineAnswered(), Rfc2217Session::LineAnswer::Waiting);
    // The answers arrive; DTR and RTS are never answered, and need not be.
    Feed(sb({101, 0, 0, 0x25, 0x80}));
    Feed(sb({102, 8}));
    Feed(sb({103, 1}));
    EXPECT_EQ(session_.LineAnswered(), Rfc2217Session::LineAnswer::Waiting);
    Feed(sb({104, 1}));
    Feed(sb({105, 1}));
    EXPECT_EQ(session_.LineAnswered(), Rfc2217Session::LineAnswer::Agreed);

    // A server that answers another speed has refused the setting.
    line.baudRate = 115200;
    session_.LineRequests(line);
    for (const Bytes& p :
         {Bytes{101, 0, 0, 0x25, 0x80}, Bytes{102, 8}, Bytes{103, 1}, Bytes{104, 1}, Bytes{105, 1}})
        Feed(sb(p));
    EXPECT_EQ(session_.LineAnswered(), Rfc2217Session::LineAnswer::Refused);
}

TEST_F(SessionTest, ModemAndLineNotificationsBecomeEventsAndState) {
    auto sb = [](Bytes payload) {
        Bytes out;
        AppendSubnegotiation(44, payload, &out);
        return out;
    };
    Feed(sb({107, 0x10 | 0x80}));  // CTS and CD on
    EXPECT_EQ(events_, serial_event::kCts | serial_event::kRlsd);
    EXPECT_EQ(session_.ModemStatus(), modem_status::kCts | modem_status::kRlsd);
    Feed(sb({107, 0x10 | 0x80 | 0x40}));  // ring rises
    EXPECT_EQ(events_, serial_event::kRing);
    Feed(sb({106, 0x08 | 0x10}));  // framing error and break
    EXPECT_EQ(events_, serial_event::kErr | serial_event::kBreak);
    EXPECT_EQ(session_.TakeLineErrors(), line_error::kFrame | line_error::kBreak);
    EXPECT_EQ(session_.TakeLineErrors(), 0u);
}

TEST(NetworkPortName, ParsesSchemesHostsAndPorts) {
    NetworkPortName n;
    ASSERT_TRUE(ParseNetworkPortName("rfc2217://room3:3001", &n));
    EXPECT_EQ(n.protocol, NetworkProtocol::Rfc2217);
    EXPECT_EQ(n.host, "room3");
    EXPECT_EQ(n.port, 3001);
    ASSERT_TRUE(ParseNetworkPortName("SOCKET://[::1]:65535", &n));
    EXPECT_EQ(n.protocol, NetworkProtocol::RawTcp);
    EXPECT_EQ(n.host, "::1");
    EXPECT_EQ(n.port, 65535);
    for (const char* bad :
         {"socket://host", "socket://:1", "socket://h:0", "socket://h:65536", "socket://h:1x",
          "socket://::1:5", "socket://[::1]5", "rfc2217://a/b:1", "telnet://h:1", "/dev/ttyS0"})
        EXPECT_FALSE(ParseNetworkPortName(bad, &n)) << bad;
    EXPECT_TRUE(IsNetworkPortName("socket://host"));  // malformed, but still not a device
    EXPECT_FALSE(IsNetworkPortName("ttyUSB0"));
}

}  // namespace
}  // namespace dsp
