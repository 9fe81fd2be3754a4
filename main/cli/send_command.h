#pragma once
// `dsp-panel send --port NAME [--map COMn=DEVICE]... PARAM VALUE [PARAM VALUE ...]`:
// opens the port, sends the frames in order and closes it again.

#include <iosfwd>
#include <span>
#include <string_view>

#include "main/cli/cli_port.h"

namespace dsp {

int RunSendCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

// The same over devices of the caller's making (above: the routed device,
// terminal or network).
int RunSendCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err,
                   const SendDeviceMaker& makeDevice);

}  // namespace dsp
