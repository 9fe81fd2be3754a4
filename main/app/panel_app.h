#pragma once
// `dsp-panel [--headless] [--simulate] [--map COMn=DEVICE]... [--log-frames FILE|-] [--osc [ADDR:]PORT]`:
// the control panel window. Without --headless it opens on the display; with
// it, HeadlessDriver reads commands from `in`. --simulate runs the unit
// simulator on a pseudo-terminal mapped to COM1 and prints each frame it
// decodes on `out`. --osc answers OSC control surfaces on a UDP port.

#include <iosfwd>
#include <span>
#include <string_view>

namespace dsp {

int RunPanel(std::span<const std::string_view> args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace dsp
