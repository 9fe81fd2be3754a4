#include "platform/serialdev/rfc2217_session.h"

namespace dsp {
namespace {

using namespace telnet;

constexpr std::uint8_t kParityCodes[] = {1, 2, 3, 4, 5};  // none, odd, even, mark, space
constexpr std::uint8_t kStopCodes[] = {1, 3, 2};          // one, one and a half, two

// Server line-state bits.
constexpr std::uint8_t kLineBreak = 0x10;
constexpr std::uint8_t kLineFraming = 0x08;
constexpr std::uint8_t kLineParity = 0x04;
constexpr std::uint8_t kLineOverrun = 0x02;

// Server modem-state bits.
constexpr std::uint8_t kModemCd = 0x80;
constexpr std::uint8_t kModemRi = 0x40;
constexpr std::uint8_t kModemDsr = 0x20;
constexpr std::uint8_t kModemCts = 0x10;

std::uint8_t FlowCode(const SerialLineSettings& s) {
    if (s.xonXoffOut || s.xonXoffIn) return rfc2217::kFlowXonXoff;
    if (s.outCtsFlow || s.rts == LineRts::Handshake) return rfc2217::kFlowHardware;
    return rfc2217::kFlowNone;
}

void AppendCommand(std::uint8_t command, std::span<const std::uint8_t> value,
                   std::vector<std::uint8_t>* out) {
    std::vector<std::uint8_t> payload(1 + value.size());
    payload[0] = command;
    for (std::size_t i = 0; i < value.size(); ++i) payload[i + 1] = value[i];
    AppendSubnegotiation(kOptionComPort, payload, out);
}

void AppendByteCommand(std::uint8_t command, std::uint8_t value, std::vector<std::uint8_t>* out) {
    AppendCommand(command, std::span(&value, 1), out);
}

}  // namespace

std::vector<std::uint8_t> Rfc2217Session::Greeting() {
    for (OptionState* s : {&comPort_, &localBinary_, &remoteBinary_, &localSga_, &remoteSga_})
        if (*s == OptionState::Off) *s = OptionState::Requested;
    return {kIac, kWill, kOptionComPort,         kIac, kWill, kOptionBinary,         kIac, kDo, kOptionBinary,
            kIac, kWill, kOptionSuppressGoAhead, kIac, kDo,   kOptionSuppressGoAhead};
}

Rfc2217Session::OptionState* Rfc2217Session::Local(std::uint8_t option) {
    if (option == kOptionBinary) return &localBinary_;
    if (option == kOptionSuppressGoAhead) return &localSga_;
    if (option == kOptionComPort) return &comPort_;
    return nullptr;
}

Rfc2217Session::OptionState* Rfc2217Session::Remote(std::uint8_t option) {
    if (option == kOptionBinary) return &remoteBinary_;
    if (option == kOptionSuppressGoAhead) return &remoteSga_;
    return nullptr;
}

std::uint32_t Rfc2217Session::Receive(std::span<const std::uint8_t> bytes, std::vector<std::uint8_t>* data,
                                      std::vector<std::uint8_t>* replies) {
    data_ = data;
    replies_ = replies;
    events_ = 0;
    decoder_.Feed(bytes, *this);
    data_ = replies_ = nullptr;
    return events_;
}

void Rfc2217Session::Data(std::uint8_t byte) { data_->push_back(byte); }

// Requests are answered only when they change an option's state; an answer
// to our own request (Requested -> On or Off) gets no reply.
void Rfc2217Session::Negotiation(std::uint8_t verb, std::uint8_t option) {
    const bool aboutUs = verb == kDo || verb == kDont;  // DO/DONT ask what we do
    const bool enable = verb == kDo || verb == kWill;
    OptionState* state = aboutUs ? Local(option) : Remote(option);
    const std::uint8_t yes = aboutUs ? kWill : kDo;
    const std::uint8_t no = aboutUs ? kWont : kDont;
    if (!state) {
        if (enable) AppendNegotiation(no, option, replies_);
        return;
    }
    if (enable) {
        if (*state == OptionState::Off) AppendNegotiation(yes, option, replies_);
        *state = OptionState::On;
        return;
    }
    if (*state == OptionState::On) AppendNegotiation(no, option, replies_);
    if (state == &comPort_ && *state != OptionState::Off) comPortRefused_ = true;
    *state = OptionState::Off;
}

void Rfc2217Session::Subnegotiation(std::uint8_t option, std::span<const std::uint8_t> payload) {
    if (option != kOptionComPort || payload.empty()) return;
    ServerCommand(payload[0], payload.subspan(1));
}

void Rfc2217Session::ServerCommand(std::uint8_t command, std::span<const std::uint8_t> value) {
    if (command < rfc2217::kServerOffset) return;  // not an answer from a server
    const int c = command - rfc2217::kServerOffset;
    if (c == rfc2217::kNotifyModemState && value.size() == 1) return ModemNotification(value[0]);
    if (c == rfc2217::kNotifyLineState && value.size() == 1) return LineNotification(value[0]);
    if (c < rfc2217::kSetBaudRate || c > rfc2217::kSetControl) return;
    if (c == rfc2217::kSetBaudRate) {
        if (value.size() != 4) return;
        answered_[0] = std::uint32_t{value[0]} << 24 | std::uint32_t{value[1]} << 16 |
                       std::uint32_t{value[2]} << 8 | value[3];
        return;
    }
    if (value.size() != 1) return;
    // Only flow-control answers count for SET-CONTROL; DTR and RTS answers,
    // when a server sends them, change nothing.
    if (c == rfc2217::kSetControl && value[0] > rfc2217::kFlowHardware) return;
    answered_[static_cast<std::size_t>(c - 1)] = value[0];
}

void Rfc2217Session::ModemNotification(std::uint8_t state) {
    std::uint32_t now = 0;
    if (state & kModemCts) now |= modem_status::kCts;
    if (state & kModemDsr) now |= modem_status::kDsr;
    if (state & kModemRi) now |= modem_status::kRing;
    if (state & kModemCd) now |= modem_status::kRlsd;
    const std::uint32_t changed = now ^ modem_;
    if (changed & modem_status::kCts) events_ |= serial_event::kCts;
    if (changed & modem_status::kDsr) events_ |= serial_event::kDsr;
    if (changed & modem_status::kRlsd) events_ |= serial_event::kRlsd;
    if (changed & now & modem_status::kRing) events_ |= serial_event::kRing;
    modem_ = now;
}

void Rfc2217Session::LineNotification(std::uint8_t state) {
    std::uint32_t errors = 0;
    if (state & kLineFraming) errors |= line_error::kFrame;
    if (state & kLineParity) errors |= line_error::kRxParity;
    if (state & kLineOverrun) errors |= line_error::kOverrun;
    if (state & kLineBreak) {
        errors |= line_error::kBreak;
        events_ |= serial_event::kBreak;
    }
    if (errors & ~line_error::kBreak) events_ |= serial_event::kErr;
    lineErrors_ |= errors;
}

std::uint32_t Rfc2217Session::TakeLineErrors() {
    std::uint32_t errors = lineErrors_;
    lineErrors_ = 0;
    return errors;
}

std::vector<std::uint8_t> Rfc2217Session::LineRequests(const SerialLineSettings& s) {
    asked_ = {s.baudRate, static_cast<std::uint32_t>(s.dataBits), kParityCodes[static_cast<int>(s.parity)],
              kStopCodes[static_cast<int>(s.stopBits)], FlowCode(s)};
    answered_ = {};
    std::vector<std::uint8_t> out;
    const std::uint8_t speed[] = {
        static_cast<std::uint8_t>(s.baudRate >> 24), static_cast<std::uint8_t>(s.baudRate >> 16),
        static_cast<std::uint8_t>(s.baudRate >> 8), static_cast<std::uint8_t>(s.baudRate)};
    AppendCommand(rfc2217::kSetBaudRate, speed, &out);
    for (int i = 1; i < kAwaited; ++i)
        AppendByteCommand(static_cast<std::uint8_t>(rfc2217::kSetBaudRate + i),
                          static_cast<std::uint8_t>(asked_[static_cast<std::size_t>(i)]), &out);
    const bool dtrOn = s.dtr != LineDtr::Disable;  // a handshake has no remote form: held on
    AppendByteCommand(rfc2217::kSetControl, dtrOn ? rfc2217::kDtrOn : rfc2217::kDtrOff, &out);
    if (FlowCode(s) != rfc2217::kFlowHardware)
        AppendByteCommand(rfc2217::kSetControl, s.rts == LineRts::Enable ? rfc2217::kRtsOn : rfc2217::kRtsOff,
                          &out);
    return out;
}

Rfc2217Session::LineAnswer Rfc2217Session::LineAnswered() const {
    for (std::size_t i = 0; i < kAwaited; ++i) {
        if (!answered_[i]) return LineAnswer::Waiting;
        if (*answered_[i] != asked_[i]) return LineAnswer::Refused;
    }
    return LineAnswer::Agreed;
}

void Rfc2217Session::EncodeData(std::span<const std::uint8_t> data, std::vector<std::uint8_t>* out) {
    AppendTelnetData(data, out);
}

}  // namespace dsp
