#include "platform/serialdev/permission_advice.h"

#include <grp.h>
#include <sys/stat.h>

#include <cctype>
#include <cerrno>
#include <cstring>

#include "platform/serialdev/network_port_name.h"

namespace dsp {
namespace {

// The errors that read differently for a connection to a serial server.
std::string NetworkOpenFailureReason(int error) {
    switch (error) {
        case ENXIO:
            return "host not found";
        case ETIMEDOUT:
            return "the server did not answer in time";
        case EPROTONOSUPPORT:
            return "the server does not offer COM-port control";
        case EINVAL:
            return "not a network port name (socket://HOST:PORT or rfc2217://HOST:PORT)";
        default:
            return {};
    }
}

}  // namespace

std::string OpenFailureReason(const std::string& path, int error) {
    if (IsNetworkPortName(path)) {
        if (std::string reason = NetworkOpenFailureReason(error); !reason.empty()) return reason;
    }
    switch (error) {
        case ENOENT:
        case ENODEV:
        case ENXIO:
            return "no such device";
        case EBUSY:
            return "busy: another program has it open";
        case EACCES:
        case EPERM:
            return "permission denied: " + PermissionAdvice(path);
        case ENOTTY:
        case EISDIR:
            return "not a serial device";
        default: {
            std::string text = std::strerror(error);
            if (!text.empty()) text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
            return text;
        }
    }
}

std::string PermissionAdvice(const std::string& path) {
    std::string groupName = "dialout";
    struct stat st {};
    if (stat(path.c_str(), &st) == 0) {
        if (const struct group* g = getgrgid(st.st_gid); g && g->gr_name) groupName = g->gr_name;
    }
    return "it belongs to group '" + groupName + "': run 'sudo usermod -aG " + groupName +
           " $USER', then log in again (a new login is needed)";
}

std::string DeviceErrorText(int error) { return std::strerror(error); }

}  // namespace dsp
