#include "serial/port_failure.h"

#include <cstring>

#include "platform/serialdev/permission_advice.h"
#include "serial/ecomport.h"

namespace dsp {
namespace {

bool Blank(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

// "COM3 (/dev/ttyS2)", or the name alone when it is the path itself or
// names no device.
std::string PortAndDevice(std::string_view port, const std::string& path) {
    std::string who(port);
    if (!path.empty() && path != port) who += " (" + path + ")";
    return who;
}

}  // namespace

std::string DescribePortFailure(std::string_view port, const PortMap& map, const std::exception& error) {
    if (Blank(port)) return "no port chosen";
    const std::string path = map.Resolve(port);
    const std::string who = PortAndDevice(port, path);
    const auto* comError = dynamic_cast<const EComPort*>(&error);
    if (!comError || comError->SystemErrorCode() <= 0) return who + ": " + error.what();
    if (comError->ErrorNumber() == CE_OPEN_FAILED)
        return who + ": " + OpenFailureReason(path, comError->SystemErrorCode());
    return who + ": " + error.what() + " - " + DeviceErrorText(comError->SystemErrorCode());
}

}  // namespace dsp
