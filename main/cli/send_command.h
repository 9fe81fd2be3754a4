#pragma once
// `dsp-panel send --port NAME [--map COMn=DEVICE]... PARAM VALUE [PARAM VALUE ...]`:
// opens the port, sends the frames in order and closes it again.

#include <functional>
#include <iosfwd>
#include <memory>
#include <span>
#include <string_view>

namespace dsp {

class PortMap;
class SerialDevice;

// Exit status when the port cannot be opened or written.
inline constexpr int kExitPortError = 1;

int RunSendCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

// The same over devices of the caller's making (above: the routed device,
// terminal or network).
using SendDeviceMaker = std::function<std::unique_ptr<SerialDevice>(const PortMap& map)>;
int RunSendCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err,
                   const SendDeviceMaker& makeDevice);

}  // namespace dsp
