#pragma once
// `dsp-panel scene apply|show|diff|list`: scenes from the command line.

#include <iosfwd>
#include <span>
#include <string_view>

#include "main/cli/cli_port.h"

namespace dsp {

// Exit status of an apply that the user stopped between two frames.
inline constexpr int kExitStopped = 130;

int RunSceneCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);
int RunSceneCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err,
                    const SendDeviceMaker& makeDevice);

}  // namespace dsp
