#pragma once
// Writes OSC 1.0 packets: one message, or a bundle of messages to be taken
// at once (the "immediately" time tag).

#include <cstdint>
#include <span>
#include <vector>

#include "main/remote/osc_message.h"

namespace dsp {

std::vector<std::uint8_t> WriteOscMessage(const OscMessage& message);
std::vector<std::uint8_t> WriteOscBundle(std::span<const OscMessage> messages);

}  // namespace dsp
