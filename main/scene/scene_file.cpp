#include "main/scene/scene_file.h"

#include <algorithm>
#include <filesystem>

#include "main/scene/scene_text.h"
#include "platform/registry/reg_file_io.h"
#include "platform/sys/mapped_file.h"
#include "platform/sys/process_env.h"
#include "platform/sys/small_file.h"

namespace dsp {
namespace {

// Far beyond any scene (27 short lines); a larger file is not one.
constexpr std::size_t kMaxSceneBytes = 64 * 1024;
constexpr std::string_view kExtension = ".scene";
constexpr std::chrono::milliseconds kLockWait{2000};

std::string FolderOf(const std::string& path) {
    const std::size_t cut = path.rfind('/');
    return cut == std::string::npos ? std::string() : path.substr(0, cut);
}

}  // namespace

std::string SceneError::Message() const {
    return line > 0 ? file + ":" + std::to_string(line) + ": " + reason : file + ": " + reason;
}

std::string SceneConfigFolder() { return UserConfigHome() + "/dsp-panel"; }

std::string ScenesFolder() { return SceneConfigFolder() + "/scenes"; }

std::string ResolveScenePath(std::string_view fileOrName) {
    if (fileOrName.find('/') != std::string_view::npos || fileOrName.ends_with(kExtension))
        return std::string(fileOrName);
    return ScenesFolder() + "/" + std::string(fileOrName) + std::string(kExtension);
}

SceneLoad LoadSceneFile(const std::string& path) {
    SceneLoad load;
    std::string text;
    if (const int rc = ReadSmallFile(path, kMaxSceneBytes, text); rc != 0) {
        load.error = {path, 0,
                      rc == kNotRegularFile ? "not a regular file"
                      : rc == kFileTooLarge ? "larger than 64 KB: not a scene"
                                            : "cannot be read: " + SystemErrorText(rc)};
        return load;
    }
    SceneTextResult read = ReadSceneText(text);
    if (!read.scene) {
        load.error = {path, read.error.line, read.error.reason};
        return load;
    }
    load.scene = std::move(read.scene);
    return load;
}

int SaveSceneFile(const std::string& path, const Scene& scene) {
    const std::string folder = FolderOf(path).empty() ? "." : FolderOf(path);
    if (const int rc = MakeFolders(folder); rc != 0) return rc;
    // The temporary file has a fixed name beside the scene: two panels saving
    // into one folder take turns, or one could rename the other's half-written file.
    FileLock lock;
    if (const int rc = lock.Acquire(folder + "/.scenes.lock", kLockWait); rc != 0) return rc;
    return ReplaceFileAtomically(path, WriteSceneText(scene));
}

std::vector<std::string> ListScenes() {
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(ScenesFolder(), ec)) {
        const fs::path& p = entry.path();
        if (p.extension() == kExtension && entry.is_regular_file(ec)) names.push_back(p.stem().string());
    }
    std::ranges::sort(names);
    return names;
}

}  // namespace dsp
