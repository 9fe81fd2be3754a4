#pragma once
// One line for a person about a port that could not be opened or used: the
// port's name, the device it maps to and the plain reason, e.g.
// "COM3 (/dev/ttyS2): no such device". The EComPort texts stay as the
// component raises them; this is the wording for a terminal.

#include <exception>
#include <string>
#include <string_view>

#include "platform/serialdev/port_map.h"

namespace dsp {

std::string DescribePortFailure(std::string_view port, const PortMap& map, const std::exception& error);

}  // namespace dsp
