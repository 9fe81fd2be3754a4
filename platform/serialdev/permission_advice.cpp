#include "platform/serialdev/permission_advice.h"

#include <grp.h>
#include <sys/stat.h>

#include <cctype>
#include <cerrno>
#include <cstring>

namespace dsp {

std::string OpenFailureReason(const std::string& path, int error) {
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

}  // namespace dsp
