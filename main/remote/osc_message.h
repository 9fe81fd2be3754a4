#pragma once
// One OSC message as the surface reads and writes it: an address and its
// arguments, each a 32-bit integer, a 32-bit float or a string.

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace dsp {

using OscArg = std::variant<std::int32_t, float, std::string>;

struct OscMessage {
    std::string address;
    std::vector<OscArg> args;
    friend bool operator==(const OscMessage&, const OscMessage&) = default;
};

}  // namespace dsp
