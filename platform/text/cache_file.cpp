#include "platform/text/cache_file.h"

#include "platform/sys/process_env.h"

namespace dsp {

std::string UserCacheFile(std::string_view name) {
    std::string folder = EnvironmentVariable("XDG_CACHE_HOME");
    if (folder.empty()) {
        const std::string home = EnvironmentVariable("HOME");
        if (home.empty()) return {};
        folder = home + "/.cache";
    }
    return folder + "/dsp-panel/" + std::string(name);
}

}  // namespace dsp
