#include "platform/serialdev/routed_device_factory.h"

#include "platform/serialdev/network_port_name.h"
#if defined(_WIN32)
#include "platform/serialdev/win32/win32_serial_device.h"
#else
#include "platform/serialdev/termios_device.h"
#endif

namespace dsp {

#if defined(_WIN32)
// Network ports are not carried by the Windows build yet: the COM device
// refuses their names.
SerialDeviceFactory RoutedDeviceFactory(PortMap map, NetworkLimits) {
    return [map = std::move(map)](const std::string&) -> std::unique_ptr<SerialDevice> {
        return std::make_unique<Win32SerialDevice>(map);
    };
}
#else
SerialDeviceFactory RoutedDeviceFactory(PortMap map, NetworkLimits limits) {
    return [map = std::move(map), limits](const std::string& name) -> std::unique_ptr<SerialDevice> {
        if (IsNetworkPortName(map.Resolve(name))) return std::make_unique<NetworkSerialDevice>(limits, map);
        return std::make_unique<TermiosSerialDevice>(map);
    };
}
#endif

}  // namespace dsp
