#include "platform/serialdev/telnet_codec.h"

namespace dsp {
namespace {

// Subnegotiations of the COM-port option are a few bytes long; anything far
// longer is dropped rather than grown without bound.
constexpr std::size_t kMaxSubnegotiation = 256;

}  // namespace

void TelnetDecoder::Feed(std::span<const std::uint8_t> bytes, TelnetSink& sink) {
    for (std::uint8_t byte : bytes) FeedOne(byte, sink);
}

void TelnetDecoder::FeedOne(std::uint8_t byte, TelnetSink& sink) {
    using namespace telnet;
    switch (state_) {
        case State::Data:
            if (byte == kIac)
                state_ = State::Iac;
            else
                sink.Data(byte);
            return;
        case State::Iac:
            if (byte == kIac) {
                sink.Data(byte);
                state_ = State::Data;
            } else if (byte >= kWill && byte <= kDont) {
                verb_ = byte;
                state_ = State::Verb;
            } else if (byte == kSb) {
                state_ = State::SbOption;
            } else {
                state_ = State::Data;  // NOP, GA, break, ...: nothing a serial line needs
            }
            return;
        case State::Verb:
            sink.Negotiation(verb_, byte);
            state_ = State::Data;
            return;
        case State::SbOption:
            sbOption_ = byte;
            sb_.clear();
            sbOverflow_ = false;
            state_ = State::SbData;
            return;
        case State::SbData:
            if (byte == kIac)
                state_ = State::SbIac;
            else if (sb_.size() < kMaxSubnegotiation)
                sb_.push_back(byte);
            else
                sbOverflow_ = true;
            return;
        case State::SbIac:
            if (byte == kIac) {
                if (sb_.size() < kMaxSubnegotiation)
                    sb_.push_back(byte);
                else
                    sbOverflow_ = true;
                state_ = State::SbData;
                return;
            }
            if (byte == kSe && !sbOverflow_) sink.Subnegotiation(sbOption_, sb_);
            // IAC followed by anything but IAC or SE inside a subnegotiation
            // is a broken peer: the subnegotiation is dropped.
            state_ = State::Data;
            return;
    }
}

void AppendTelnetData(std::span<const std::uint8_t> data, std::vector<std::uint8_t>* out) {
    for (std::uint8_t byte : data) {
        out->push_back(byte);
        if (byte == telnet::kIac) out->push_back(byte);
    }
}

void AppendNegotiation(std::uint8_t verb, std::uint8_t option, std::vector<std::uint8_t>* out) {
    out->insert(out->end(), {telnet::kIac, verb, option});
}

void AppendSubnegotiation(std::uint8_t option, std::span<const std::uint8_t> payload,
                          std::vector<std::uint8_t>* out) {
    out->insert(out->end(), {telnet::kIac, telnet::kSb, option});
    AppendTelnetData(payload, out);
    out->insert(out->end(), {telnet::kIac, telnet::kSe});
}

}  // namespace dsp
