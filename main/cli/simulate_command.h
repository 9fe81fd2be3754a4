#pragma once
// `dsp-panel simulate-unit [--pty | DEVICE]`: the effects-unit simulator.
// With --pty it makes a pseudo-terminal and prints the path of its other end
// as the first line; otherwise it opens DEVICE (a path or COMn) at 9600 8N1.
// It prints a line per frame, the state table on SIGUSR1 and at the end, and
// ends on SIGINT, SIGTERM or when the peer closes.

#include <iosfwd>
#include <span>
#include <string_view>

namespace dsp {

int RunSimulateCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

} // namespace dsp
