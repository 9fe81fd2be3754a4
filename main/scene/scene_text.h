#pragma once
// The scene file's text: a first line "# dsp-panel scene 1", then in any order
// `NAME = VALUE` lines with the parameter names and item texts the `frame`
// command lists, optional `name =` and `notes =` lines, `#` comments and blank
// lines. Reading is strict, because a scene drives a unit's volumes: anything
// that is not plainly one of those lines is refused with its line number.

#include <optional>
#include <string>
#include <string_view>

#include "main/scene/scene.h"

namespace dsp {

inline constexpr std::string_view kSceneHeader = "# dsp-panel scene 1";

struct SceneTextError {
    int line = 0;  // 1-based; 0 when the error is about the whole text
    std::string reason;
};

struct SceneTextResult {
    std::optional<Scene> scene;
    SceneTextError error;  // meaningful when `scene` is empty
};

SceneTextResult ReadSceneText(std::string_view text);

// The canonical text: header, title, notes, then the settings in table order.
// It reads back to the same scene.
std::string WriteSceneText(const Scene& scene);

// A value as a scene writes it: the item text of list parameters, else the number.
std::string SceneValueText(const CommandRow& row, int value);

}  // namespace dsp
