#pragma once
// Reads one OSC 1.0 packet - a message, or a bundle of messages and bundles -
// from a datagram, strictly: every length within the packet, every string
// ended and padded with zeros to four bytes, type tags present and only of
// the kinds the surface takes (i, f, s). A packet that breaks any rule is
// refused whole, so half a bundle never takes effect. Bundles are flattened
// in order; their time tags are not honoured (everything runs at once).

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "main/remote/osc_message.h"

namespace dsp {

// Limits that keep one packet's work small, whatever it claims.
inline constexpr int kOscMaxBundleDepth = 8;
inline constexpr std::size_t kOscMaxMessages = 64;
inline constexpr std::size_t kOscMaxArgs = 16;

// Appends the packet's messages to `messages`; returns "" or why the packet
// was refused (then `messages` is left as it was).
std::string_view ReadOscPacket(std::span<const std::uint8_t> packet, std::vector<OscMessage>& messages);

}  // namespace dsp
