// The readers of what a network serial server sends: the Telnet decoder and
// the COM-port control session on top of it. A server's bytes arrive in reads
// of any size, so each input is decoded whole, one byte at a time and in
// chunks whose sizes its first byte chooses, and all three must agree.
#include <cstdint>
#include <span>
#include <vector>

#include "platform/serialdev/rfc2217_session.h"
#include "platform/serialdev/serial_device.h"
#include "platform/serialdev/telnet_codec.h"
#include "tests/fuzz/fuzz_entries.h"
#include "tests/fuzz/fuzz_targets.h"

namespace dsp {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Calls `feed` with consecutive pieces of `bytes`: whole (step 0), one byte
// at a time (step 1), or in chunks of 1 to 16 bytes from a generator seeded
// with `step`.
template <typename Feed>
void InPieces(std::span<const std::uint8_t> bytes, std::uint32_t step, Feed feed) {
    std::uint32_t state = step * 2654435761u + 1;
    for (std::size_t at = 0; at < bytes.size();) {
        state = state * 1103515245u + 12345u;
        std::size_t n = step == 0 ? bytes.size() : step == 1 ? 1 : 1 + (state >> 16) % 16;
        if (n > bytes.size() - at) n = bytes.size() - at;
        feed(bytes.subspan(at, n));
        at += n;
    }
}

// Everything the decoder reports, as one byte string: data as itself, each
// command behind a marker byte that data can never produce in this record
// (data bytes are recorded after a 0 byte).
class Recorder : public TelnetSink {
  public:
    Bytes record;
    Bytes data;
    std::vector<Bytes> subnegotiations;

    void Data(std::uint8_t byte) override {
        record.insert(record.end(), {0, byte});
        data.push_back(byte);
    }
    void Negotiation(std::uint8_t verb, std::uint8_t option) override {
        FuzzCheck(verb >= telnet::kWill && verb <= telnet::kDont, "a negotiation has a verb");
        record.insert(record.end(), {1, verb, option});
    }
    void Subnegotiation(std::uint8_t option, std::span<const std::uint8_t> payload) override {
        FuzzCheck(payload.size() <= 256, "a subnegotiation stays bounded");
        record.insert(record.end(),
                      {2, option, std::uint8_t(payload.size()), std::uint8_t(payload.size() >> 8)});
        record.insert(record.end(), payload.begin(), payload.end());
        Bytes whole{option};
        whole.insert(whole.end(), payload.begin(), payload.end());
        subnegotiations.push_back(whole);
    }
};

Recorder DecodeInPieces(std::span<const std::uint8_t> bytes, std::uint32_t step) {
    TelnetDecoder decoder;
    Recorder recorder;
    InPieces(bytes, step, [&](std::span<const std::uint8_t> piece) { decoder.Feed(piece, recorder); });
    return recorder;
}

// What a session made of a server's bytes.
struct SessionResult {
    Bytes data;
    Bytes replies;
    std::uint32_t events = 0;
    bool accepted = false;
    bool refused = false;
    Rfc2217Session::LineAnswer answer = Rfc2217Session::LineAnswer::Waiting;
    std::uint32_t modem = 0;
    std::uint32_t lineErrors = 0;

    bool operator==(const SessionResult&) const = default;
};

SessionResult SessionInPieces(std::span<const std::uint8_t> bytes, std::uint32_t step) {
    Rfc2217Session session;
    (void)session.Greeting();
    (void)session.LineRequests(SerialLineSettings{});
    SessionResult r;
    InPieces(bytes, step, [&](std::span<const std::uint8_t> piece) {
        r.events |= session.Receive(piece, &r.data, &r.replies);
    });
    r.accepted = session.ComPortAccepted();
    r.refused = session.ComPortRefused();
    r.answer = session.LineAnswered();
    r.modem = session.ModemStatus();
    r.lineErrors = session.TakeLineErrors();
    FuzzCheck(session.TakeLineErrors() == 0, "line errors are handed out once");
    return r;
}

constexpr std::uint32_t kKnownEvents = serial_event::kCts | serial_event::kDsr | serial_event::kRlsd |
                                       serial_event::kBreak | serial_event::kErr | serial_event::kRing;
constexpr std::uint32_t kKnownModem =
    modem_status::kCts | modem_status::kDsr | modem_status::kRing | modem_status::kRlsd;

// The session's replies are whole negotiations; it only ever agrees to the
// options it supports, and never answers more often than it was asked.
void CheckReplies(const Bytes& replies, const Recorder& decoded) {
    FuzzCheck(replies.size() % 3 == 0, "replies are whole negotiations");
    std::size_t asked = 0;
    for (std::size_t i = 0; i < decoded.record.size();) {
        const std::uint8_t kind = decoded.record[i];
        if (kind == 0) i += 2;
        if (kind == 1) ++asked, i += 3;
        if (kind == 2) i += 4 + std::size_t(decoded.record[i + 2] | decoded.record[i + 3] << 8);
    }
    FuzzCheck(replies.size() / 3 <= asked, "one reply at most per request");
    for (std::size_t i = 0; i < replies.size(); i += 3) {
        FuzzCheck(replies[i] == telnet::kIac, "a reply starts with IAC");
        const std::uint8_t verb = replies[i + 1], option = replies[i + 2];
        FuzzCheck(verb >= telnet::kWill && verb <= telnet::kDont, "a reply has a verb");
        const bool agrees = verb == telnet::kWill || verb == telnet::kDo;
        const bool supported = option == telnet::kOptionBinary || option == telnet::kOptionSuppressGoAhead ||
                               (option == telnet::kOptionComPort && verb == telnet::kWill);
        FuzzCheck(!agrees || supported, "only supported options are agreed to");
    }
}

}  // namespace

// Decoding does not depend on how the bytes were split, and what it yields
// encodes back to bytes that decode to the same.
int FuzzTelnet(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::span<const std::uint8_t> server(data + 1, size - 1);
    const Recorder whole = DecodeInPieces(server, 0);
    FuzzCheck(DecodeInPieces(server, 1).record == whole.record, "byte by byte decodes as whole");
    FuzzCheck(DecodeInPieces(server, 2u + data[0]).record == whole.record, "chunks decode as whole");
    FuzzCheck(whole.data.size() <= server.size(), "no more data than bytes");

    Bytes again;
    AppendTelnetData(whole.data, &again);
    for (const Bytes& sb : whole.subnegotiations)
        AppendSubnegotiation(sb[0], std::span(sb).subspan(1), &again);
    const Recorder reread = DecodeInPieces(again, 0);
    FuzzCheck(reread.data == whole.data, "encoded data decodes back");
    FuzzCheck(reread.subnegotiations == whole.subnegotiations, "encoded subnegotiations decode back");
    return 0;
}

// A session after its greeting and line requests: the same state whatever the
// split, the line data the decoder sees, and only sound replies.
int FuzzRfc2217(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::span<const std::uint8_t> server(data + 1, size - 1);
    const SessionResult whole = SessionInPieces(server, 0);
    FuzzCheck(SessionInPieces(server, 1) == whole, "byte by byte leaves the session as whole");
    FuzzCheck(SessionInPieces(server, 2u + data[0]) == whole, "chunks leave the session as whole");

    const Recorder decoded = DecodeInPieces(server, 0);
    FuzzCheck(whole.data == decoded.data, "the session passes the line data on");
    CheckReplies(whole.replies, decoded);
    FuzzCheck((whole.events & ~kKnownEvents) == 0, "only line and modem events");
    FuzzCheck((whole.modem & ~kKnownModem) == 0, "only modem lines");
    return 0;
}

}  // namespace dsp
