#pragma once
// The options of `dsp-panel scene`, read without judging the scene itself.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace dsp {

struct SceneArgs {
    std::string_view verb;                // apply, show, diff or list
    std::vector<std::string_view> files;  // FILE|NAME operands
    std::optional<std::string> port;
    std::vector<std::string_view> maps;
    long gapMs = 0;
    std::optional<std::string_view> safe;
    bool direct = false;
};

// Nothing when the options do not fit the verb.
std::optional<SceneArgs> ParseSceneArgs(std::span<const std::string_view> args);

}  // namespace dsp
