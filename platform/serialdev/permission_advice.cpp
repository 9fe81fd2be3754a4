#include "platform/serialdev/permission_advice.h"

#include <grp.h>
#include <sys/stat.h>

namespace dsp {

std::string PermissionAdvice(const std::string& path) {
    std::string groupName = "dialout";
    struct stat st {};
    if (stat(path.c_str(), &st) == 0) {
        if (const struct group* g = getgrgid(st.st_gid); g && g->gr_name) groupName = g->gr_name;
    }
    return "dsp-panel: no permission to open " + path + "; it belongs to group '" + groupName +
           "': run 'sudo usermod -aG " + groupName + " $USER', then log in again (a new login is needed)";
}

} // namespace dsp
