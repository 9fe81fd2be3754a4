#pragma once
// `dsp-panel send --port NAME [--map COMn=DEVICE]... PARAM VALUE [PARAM VALUE ...]`:
// opens the port, sends the frames in order and closes it again.

#include <iosfwd>
#include <span>
#include <string_view>

namespace dsp {

// Exit status when the port cannot be opened or written.
inline constexpr int kExitPortError = 1;

int RunSendCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

} // namespace dsp
