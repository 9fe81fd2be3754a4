#pragma once
// The port-name map a command uses: the user's ports.conf, then every
// `--map COMn=DEVICE` option in order, which win over the file.

#include <iosfwd>
#include <optional>
#include <span>
#include <string_view>

#include "platform/serialdev/port_map.h"

namespace dsp {

// Explains a malformed option on `err` (one line) and returns nothing.
std::optional<PortMap> BuildPortMap(std::span<const std::string_view> mapOptions, std::ostream& err);

} // namespace dsp
