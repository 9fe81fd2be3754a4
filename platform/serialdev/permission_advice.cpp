#include "platform/serialdev/permission_advice.h"

#include <grp.h>
#include <pwd.h>
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

// The mode as `ls -l` shows it: "crw-rw----".
std::string ModeText(unsigned mode) {
    std::string text = S_ISCHR(mode) ? "c" : S_ISDIR(mode) ? "d" : S_ISLNK(mode) ? "l" : "-";
    const char* const letters = "rwxrwxrwx";
    for (int bit = 0; bit < 9; ++bit) text += (mode & (0400u >> bit)) ? letters[bit] : '-';
    return text;
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

std::string PermissionAdvice(const DeviceAccess& access) {
    const bool groupReadsAndWrites = (access.mode & S_IRGRP) && (access.mode & S_IWGRP);
    if (groupReadsAndWrites && access.group != "root")
        return "it belongs to group '" + access.group + "': run 'sudo usermod -aG " + access.group +
               " $USER', then log in again (a new login is needed)";
    return "it is owned by '" + access.owner + "' (group '" + access.group + "', mode " +
           ModeText(access.mode) +
           "), and joining its group would not help: see \"Serial permissions (udev)\" in the README";
}

std::string PermissionAdvice(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) return PermissionAdvice({"root", "dialout", S_IFCHR | 0660});
    DeviceAccess access{std::to_string(st.st_uid), std::to_string(st.st_gid), st.st_mode};
    if (const struct passwd* p = getpwuid(st.st_uid); p && p->pw_name) access.owner = p->pw_name;
    if (const struct group* g = getgrgid(st.st_gid); g && g->gr_name) access.group = g->gr_name;
    return PermissionAdvice(access);
}

}  // namespace dsp
