#include "platform/serialdev/routed_device_factory.h"

#include "platform/serialdev/network_port_name.h"
#include "platform/serialdev/termios_device.h"

namespace dsp {

SerialDeviceFactory RoutedDeviceFactory(PortMap map, NetworkLimits limits) {
    return [map = std::move(map), limits](const std::string& name) -> std::unique_ptr<SerialDevice> {
        if (IsNetworkPortName(map.Resolve(name))) return std::make_unique<NetworkSerialDevice>(limits, map);
        return std::make_unique<TermiosSerialDevice>(map);
    };
}

}  // namespace dsp
