#include "main/cli/cli_port.h"

#include <ostream>

#include "platform/serialdev/routed_device_factory.h"
#include "serial/port_failure.h"

namespace dsp {

SendDeviceMaker RoutedDeviceMaker() {
    return [](const PortMap& map, const std::string& name) { return RoutedDeviceFactory(map)(name); };
}

CliPort::CliPort(std::string name, PortMap map, const SendDeviceMaker& makeDevice)
    : name_(std::move(name)), map_(std::move(map)) {
    port_.SetDeviceFactory(
        [map = map_, makeDevice](const std::string& name) { return makeDevice(map, name); });
    port_.SetEvents({});  // nothing is read back, so no monitoring thread is needed
    port_.SetPort(name_);
}

CliPort::~CliPort() {
    try {
        port_.ClosePort();
    } catch (const EComPort&) {
        // Closing after a failure already told: nothing more to say.
    }
}

bool CliPort::Open(std::ostream& err) {
    try {
        port_.OpenPort();
        return true;
    } catch (const EComPort& e) {
        err << "dsp-panel: " << DescribePortFailure(name_, map_, e) << '\n';
        return false;
    }
}

bool CliPort::Send(const Frame& frame, std::ostream& err) {
    try {
        const int sent = port_.SendBytes(frame.data(), static_cast<int>(frame.size()));
        if (sent == static_cast<int>(frame.size())) return true;
        err << "dsp-panel: " << name_ << ": the write timed out after " << sent << " of " << frame.size()
            << " bytes of " << FrameToHex(frame) << '\n';
    } catch (const EComPort& e) {
        err << "dsp-panel: " << DescribePortFailure(name_, map_, e) << '\n';
    }
    return false;
}

bool CliPort::Close(std::ostream& err) {
    try {
        port_.ClosePort();
        return true;
    } catch (const EComPort& e) {
        err << "dsp-panel: " << DescribePortFailure(name_, map_, e) << '\n';
        return false;
    }
}

}  // namespace dsp
