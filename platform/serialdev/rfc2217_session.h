#pragma once
// The client side of a Telnet COM-port control session, without any I/O:
// it says what to send on connecting, answers the server's option requests,
// builds the line-setting requests and keeps the server's answers and its
// line and modem state notifications. The device feeds it what the socket
// delivers and sends what it returns.
//
// Options: the client offers COM-port control, binary transmission both ways
// (so CR and NUL pass unchanged) and no go-ahead both ways; it refuses every
// other option the server asks for or offers (echo among them). Requests are
// answered only when they change an option's state, so two sides that cross
// requests never loop.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/serialdev/serial_device.h"
#include "platform/serialdev/telnet_codec.h"

namespace dsp {

namespace rfc2217 {
// Client to server; the server answers with the same command + 100.
inline constexpr std::uint8_t kSetBaudRate = 1;
inline constexpr std::uint8_t kSetDataSize = 2;
inline constexpr std::uint8_t kSetParity = 3;
inline constexpr std::uint8_t kSetStopSize = 4;
inline constexpr std::uint8_t kSetControl = 5;
inline constexpr std::uint8_t kNotifyLineState = 6;
inline constexpr std::uint8_t kNotifyModemState = 7;
inline constexpr std::uint8_t kServerOffset = 100;

// SET-CONTROL values.
inline constexpr std::uint8_t kFlowNone = 1;
inline constexpr std::uint8_t kFlowXonXoff = 2;
inline constexpr std::uint8_t kFlowHardware = 3;
inline constexpr std::uint8_t kDtrOn = 8;
inline constexpr std::uint8_t kDtrOff = 9;
inline constexpr std::uint8_t kRtsOn = 11;
inline constexpr std::uint8_t kRtsOff = 12;
}  // namespace rfc2217

class Rfc2217Session : private TelnetSink {
  public:
    enum class LineAnswer { Waiting, Agreed, Refused };

    // The option offers that open the session.
    std::vector<std::uint8_t> Greeting();

    // Decodes bytes from the server: line data goes to `data`, answers to
    // `replies`. Returns the serial events the bytes raised (modem line
    // changes, line errors, a break).
    std::uint32_t Receive(std::span<const std::uint8_t> bytes, std::vector<std::uint8_t>* data,
                          std::vector<std::uint8_t>* replies);

    bool ComPortAccepted() const { return comPort_ == OptionState::On; }
    bool ComPortRefused() const { return comPortRefused_; }

    // The requests that set a line as `settings` say. Speed, data size,
    // parity, stop bits and flow control are then awaited (LineAnswered);
    // DTR and RTS are sent too but never awaited: some servers do not answer
    // them at all.
    std::vector<std::uint8_t> LineRequests(const SerialLineSettings& settings);
    // Waiting while an awaited answer is missing; Refused when the server
    // answered a different value than was asked for.
    LineAnswer LineAnswered() const;

    // The last modem lines reported (modem_status bits) and the line errors
    // reported since the last call (line_error bits).
    std::uint32_t ModemStatus() const { return modem_; }
    std::uint32_t TakeLineErrors();

    // Line data with 0xFF doubled.
    static void EncodeData(std::span<const std::uint8_t> data, std::vector<std::uint8_t>* out);

  private:
    enum class OptionState { Off, Requested, On };
    static constexpr int kAwaited = 5;  // speed, size, parity, stop bits, flow

    void Data(std::uint8_t byte) override;
    void Negotiation(std::uint8_t verb, std::uint8_t option) override;
    void Subnegotiation(std::uint8_t option, std::span<const std::uint8_t> payload) override;
    void ServerCommand(std::uint8_t command, std::span<const std::uint8_t> value);
    void ModemNotification(std::uint8_t state);
    void LineNotification(std::uint8_t state);
    // The state of an option we support, or null.
    OptionState* Local(std::uint8_t option);
    OptionState* Remote(std::uint8_t option);

    TelnetDecoder decoder_;
    // What the client does (WILL) and what it lets the server do (DO), for
    // the options it supports.
    OptionState localBinary_ = OptionState::Off, localSga_ = OptionState::Off, comPort_ = OptionState::Off;
    OptionState remoteBinary_ = OptionState::Off, remoteSga_ = OptionState::Off;
    bool comPortRefused_ = false;

    std::array<std::uint32_t, kAwaited> asked_{};
    std::array<std::optional<std::uint32_t>, kAwaited> answered_{};
    std::uint32_t modem_ = 0;
    std::uint32_t lineErrors_ = 0;

    // Set during Receive.
    std::vector<std::uint8_t>* data_ = nullptr;
    std::vector<std::uint8_t>* replies_ = nullptr;
    std::uint32_t events_ = 0;
};

}  // namespace dsp
