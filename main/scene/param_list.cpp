#include "main/scene/param_list.h"

#include <cerrno>

#include "main/scene/scene.h"
#include "main/scene/scene_lines.h"
#include "platform/sys/small_file.h"

namespace dsp {
namespace {

constexpr std::size_t kMaxConfBytes = 64 * 1024;

// One line of scene.conf into `conf`; false with the reason otherwise.
bool ReadConfLine(std::string_view line, SceneConf& conf, std::string& reason) {
    line = TrimBlanks(line);
    if (line.empty() || line.front() == '#') return true;
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos || TrimBlanks(line.substr(0, eq)) != "safe") {
        reason = "only `safe = NAME,...` lines belong here";
        return false;
    }
    std::optional<ParamSet> set = ParseParamList(line.substr(eq + 1), reason);
    if (set) conf.safe |= *set;
    return set.has_value();
}

}  // namespace

std::optional<ParamSet> ParseParamList(std::string_view list, std::string& reason) {
    ParamSet set;
    while (true) {
        const std::size_t comma = list.find(',');
        const std::string_view name = TrimBlanks(list.substr(0, comma));
        const CommandRow* row = FindParameterName(name);
        if (row == nullptr) {
            reason = "unknown parameter \"" + std::string(name) + "\"";
            return std::nullopt;
        }
        set.set(row->code);
        if (comma == std::string_view::npos) return set;
        list.remove_prefix(comma + 1);
    }
}

SceneConfLoad LoadSceneConf(const std::string& path) {
    SceneConfLoad load;
    std::string text;
    if (const int rc = ReadSmallFile(path, kMaxConfBytes, text); rc != 0) {
        if (rc == ENOENT)
            load.conf = SceneConf{};
        else
            load.error = path + ": cannot be read";
        return load;
    }
    SceneConf conf;
    const bool read = ForEachLine(text, [&](int number, std::string_view line) {
        std::string reason;
        if (ReadConfLine(line, conf, reason)) return true;
        load.error = path + ":" + std::to_string(number) + ": " + reason;
        return false;
    });
    if (read) load.conf = conf;
    return load;
}

}  // namespace dsp
