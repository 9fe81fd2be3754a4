#include "platform/text/face_cache.h"

#include <array>
#include <sstream>

#include "platform/sys/file_stamp.h"
#include "platform/sys/private_file.h"
#include "platform/sys/process_env.h"
#include "platform/sys/small_file.h"
#include "platform/text/cache_file.h"

namespace dsp {
namespace {

constexpr std::size_t kMaxFileBytes = 1 << 20;

// What the font configuration reads from the environment: where its files
// are, and the languages its matching prefers.
constexpr std::array<const char*, 7> kVariables = {
    "FONTCONFIG_FILE", "FONTCONFIG_PATH", "FONTCONFIG_SYSROOT", "FC_LANG", "LC_ALL", "LC_CTYPE", "LANG"};

std::string Folder(const char* variable, const std::string& home, const char* fallback) {
    const std::string value = EnvironmentVariable(variable);
    return value.empty() ? home + fallback : value;
}

// The user's own configuration, fonts and caches, wherever the environment
// puts them, by their stamps alone: runs whose homes differ (as every test's
// does) but hold no font settings of their own share the answers.
std::string UserStamps() {
    const std::string home = EnvironmentVariable("HOME");
    const std::string places[] = {Folder("XDG_CONFIG_HOME", home, "/.config") + "/fontconfig",
                                  Folder("XDG_DATA_HOME", home, "/.local/share") + "/fonts",
                                  Folder("XDG_CACHE_HOME", home, "/.cache") + "/fontconfig",
                                  home + "/.fonts",
                                  home + "/.fonts.conf",
                                  home + "/.fonts.conf.d",
                                  home + "/.fontconfig"};
    std::string stamps = "user";
    for (const std::string& place : places) stamps += "\t" + FileStamp(place);
    return stamps + "\n";
}

std::string Header(const std::string& version) {
    std::string header = "dsp-panel faces 2 " + version + "\n";
    for (const char* name : kVariables)
        header += std::string("env\t") + name + "\t" + EnvironmentVariable(name) + "\n";
    return header + UserStamps();
}

// One field per tab; a line that needs a tab or a newline inside a field is
// not written (such a font path is left to the live lookup).
bool Writable(const std::string& text) { return text.find_first_of("\t\n") == std::string::npos; }

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        fields.push_back(line.substr(start, tab - start));
    fields.push_back(line.substr(start));
    return fields;
}

}  // namespace

FaceCache::FaceCache(std::string file, std::string version)
    : file_(std::move(file)), header_(Header(version)) {
    std::string text;
    if (!file_.empty() && ReadSmallFile(file_, kMaxFileBytes, text) == 0 && !Load(text)) faces_.clear();
}

// The header must match whole, every watched path keep its stamp and every
// line be well formed; anything else and the file is ignored.
bool FaceCache::Load(const std::string& text) {
    if (text.compare(0, header_.size(), header_) != 0) return false;
    std::istringstream lines(text.substr(header_.size()));
    for (std::string line; std::getline(lines, line);) {
        const std::vector<std::string> f = Fields(line);
        if (f[0] == "watch" && f.size() == 3) {
            if (FileStamp(f[2]) != f[1]) return false;
        } else if (f[0] == "face" && f.size() == 6) {
            faces_[f[1]] = {f[2], std::atoi(f[3].c_str()), f[4] == "1", f[5] == "1"};
        } else {
            return false;
        }
    }
    return true;
}

std::optional<FaceFile> FaceCache::Find(const std::string& key) const {
    if (auto it = faces_.find(key); it != faces_.end()) return it->second;
    return std::nullopt;
}

void FaceCache::Add(const std::string& key, const FaceFile& face) {
    faces_[key] = face;
    changed_ = true;
}

void FaceCache::Watch(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) watched_[path] = FileStamp(path);
}

void FaceCache::Save() {
    if (!changed_ || file_.empty()) return;
    std::map<std::string, std::string> watched = watched_;
    std::string faces;
    for (const auto& [key, face] : faces_) {
        if (!Writable(key) || !Writable(face.path)) continue;
        if (!face.path.empty() && !watched.count(face.path)) watched[face.path] = FileStamp(face.path);
        faces += "face\t" + key + "\t" + face.path + "\t" + std::to_string(face.index) + "\t" +
                 (face.bold ? "1" : "0") + "\t" + (face.italic ? "1" : "0") + "\n";
    }
    std::string text = header_;
    for (const auto& [path, stamp] : watched)
        if (Writable(path)) text += "watch\t" + stamp + "\t" + path + "\n";
    if (ReplacePrivateFile(file_, text + faces) == 0) changed_ = false;
}

std::string FaceCache::DefaultFile() { return UserCacheFile("faces"); }

}  // namespace dsp
