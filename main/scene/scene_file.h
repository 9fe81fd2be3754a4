#pragma once
// Scenes on disk: the scenes folder, reading a file strictly (an error names
// the file, the line and the reason) and writing one atomically, so a reader
// sees the old scene or the new one, never half of one.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "main/scene/scene.h"

namespace dsp {

struct SceneError {
    std::string file;
    int line = 0;  // 0: about the file as a whole
    std::string reason;

    // "FILE:LINE: reason", or "FILE: reason".
    std::string Message() const;
};

struct SceneLoad {
    std::optional<Scene> scene;
    SceneError error;  // meaningful when `scene` is empty
};

// "${XDG_CONFIG_HOME:-$HOME/.config}/dsp-panel", where scene.conf lives.
std::string SceneConfigFolder();
// The scenes folder inside it.
std::string ScenesFolder();

// A path (anything with a '/' or ending in ".scene") stays as it is; a bare
// NAME is NAME.scene in the scenes folder.
std::string ResolveScenePath(std::string_view fileOrName);

SceneLoad LoadSceneFile(const std::string& path);

// Creates the folder when missing. Returns 0 or the errno of the failing call.
int SaveSceneFile(const std::string& path, const Scene& scene);

// The names of the scenes in the scenes folder, sorted.
std::vector<std::string> ListScenes();

}  // namespace dsp
