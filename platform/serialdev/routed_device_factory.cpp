#include "platform/serialdev/routed_device_factory.h"

#include "platform/serialdev/network_port_name.h"
#if defined(_WIN32)
#include "platform/serialdev/win32/win32_serial_device.h"
#else
#include "platform/serialdev/termios_device.h"
#endif

namespace dsp {

#if defined(_WIN32)
using LocalSerialDevice = Win32SerialDevice;
#else
using LocalSerialDevice = TermiosSerialDevice;
#endif

SerialDeviceFactory RoutedDeviceFactory(PortMap map, NetworkLimits limits) {
    return [map = std::move(map), limits](const std::string& name) -> std::unique_ptr<SerialDevice> {
        if (IsNetworkPortName(map.Resolve(name))) return std::make_unique<NetworkSerialDevice>(limits, map);
        return std::make_unique<LocalSerialDevice>(map);
    };
}

}  // namespace dsp
