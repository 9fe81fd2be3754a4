#pragma once
// `dsp-panel frame PARAM VALUE` and `dsp-panel frame --list`.

#include <iosfwd>
#include <span>
#include <string_view>

namespace dsp {

// Exit status of a refused parameter or value, shared by every command that
// takes PARAM VALUE pairs.
inline constexpr int kExitBadParameter = 2;

int RunFrameCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace dsp
