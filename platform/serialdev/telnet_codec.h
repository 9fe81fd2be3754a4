#pragma once
// The Telnet byte stream: data with IAC (0xFF) doubled, option negotiation
// (IAC WILL/WONT/DO/DONT option) and subnegotiation (IAC SB option ... IAC SE).
// The decoder keeps its state between calls, so a command split across two
// reads is still recognised.

#include <cstdint>
#include <span>
#include <vector>

namespace dsp {

namespace telnet {
inline constexpr std::uint8_t kIac = 255;
inline constexpr std::uint8_t kDont = 254;
inline constexpr std::uint8_t kDo = 253;
inline constexpr std::uint8_t kWont = 252;
inline constexpr std::uint8_t kWill = 251;
inline constexpr std::uint8_t kSb = 250;
inline constexpr std::uint8_t kSe = 240;

inline constexpr std::uint8_t kOptionBinary = 0;
inline constexpr std::uint8_t kOptionEcho = 1;
inline constexpr std::uint8_t kOptionSuppressGoAhead = 3;
inline constexpr std::uint8_t kOptionComPort = 44;
}  // namespace telnet

class TelnetSink {
  public:
    virtual ~TelnetSink() = default;
    virtual void Data(std::uint8_t byte) = 0;
    // verb is kWill, kWont, kDo or kDont.
    virtual void Negotiation(std::uint8_t verb, std::uint8_t option) = 0;
    // The payload with doubled IACs undone.
    virtual void Subnegotiation(std::uint8_t option, std::span<const std::uint8_t> payload) = 0;
};

class TelnetDecoder {
  public:
    void Feed(std::span<const std::uint8_t> bytes, TelnetSink& sink);

  private:
    enum class State { Data, Iac, Verb, SbOption, SbData, SbIac };

    void FeedOne(std::uint8_t byte, TelnetSink& sink);

    State state_ = State::Data;
    std::uint8_t verb_ = 0;
    std::uint8_t sbOption_ = 0;
    std::vector<std::uint8_t> sb_;
    bool sbOverflow_ = false;
};

// Appends data with every 0xFF doubled.
void AppendTelnetData(std::span<const std::uint8_t> data, std::vector<std::uint8_t>* out);
void AppendNegotiation(std::uint8_t verb, std::uint8_t option, std::vector<std::uint8_t>* out);
void AppendSubnegotiation(std::uint8_t option, std::span<const std::uint8_t> payload,
                          std::vector<std::uint8_t>* out);

}  // namespace dsp
