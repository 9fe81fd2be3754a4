#pragma once
// The serial devices the program opens ports with: a network connection for
// "socket://" and "rfc2217://" names (given directly or as a COMn mapping), a
// terminal device for everything else. Both map the port name themselves, so
// the device the factory picks is opened with the name as it was given.

#include <functional>
#include <memory>
#include <string>

#include "platform/serialdev/network_serial_device.h"
#include "platform/serialdev/port_map.h"
#include "platform/serialdev/serial_device.h"

namespace dsp {

// Makes the (closed) device for a port name.
using SerialDeviceFactory = std::function<std::unique_ptr<SerialDevice>(const std::string& name)>;

SerialDeviceFactory RoutedDeviceFactory(PortMap map = {}, NetworkLimits limits = {});

}  // namespace dsp
