#pragma once
// A set of parameters named in a comma-separated list ("MIC-VOL, KEY"), as
// `--safe` and the `safe =` line of scene.conf give them.

#include <bitset>
#include <optional>
#include <string>
#include <string_view>

#include "main/protocol/command_table.h"

namespace dsp {

// Indexed by command code.
using ParamSet = std::bitset<256>;

inline bool Contains(const ParamSet& set, const CommandRow& row) { return set.test(row.code); }

// The set, or nothing with the reason in `reason` when a name is unknown.
std::optional<ParamSet> ParseParamList(std::string_view list, std::string& reason);

struct SceneConf {
    ParamSet safe;
};

struct SceneConfLoad {
    std::optional<SceneConf> conf;
    std::string error;  // "FILE:LINE: reason" when `conf` is empty
};

// scene.conf: `#` comments, blank lines and `safe = LIST` lines (they add up).
// A missing file is an empty configuration.
SceneConfLoad LoadSceneConf(const std::string& path);

}  // namespace dsp
