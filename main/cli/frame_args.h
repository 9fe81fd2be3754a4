#pragma once
// Turns a PARAM VALUE pair from the command line into a frame, or explains on
// `err`, in one line, why it cannot.

#include <iosfwd>
#include <optional>
#include <string_view>

#include "main/protocol/frame.h"

namespace dsp {

std::optional<Frame> ParseFrameArgs(std::string_view param, std::string_view value, std::ostream& err);

}  // namespace dsp
