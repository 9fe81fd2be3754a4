#pragma once
// FaceCache: the font lookup's answers kept between runs. Loading the font
// configuration costs more than anything else a window's first paint needs,
// and its answers change only when the configuration, the installed fonts or
// the environment it reads do. The file records those (each file and folder
// by its stamp, the variables by value) beside the answers, and is used only
// while every one of them is as recorded.

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace dsp {

struct FaceFile {
    std::string path;
    int index = 0;
    bool bold = false;    // the file's own weight is bold
    bool italic = false;  // the file's own slant is italic or oblique

    friend auto operator<=>(const FaceFile&, const FaceFile&) = default;
};

class FaceCache {
  public:
    // Reads `file` ("" keeps nothing) and keeps its answers when it was
    // written for `version` (the lookup's own) and nothing it depends on has
    // changed since.
    FaceCache(std::string file, std::string version);

    std::optional<FaceFile> Find(const std::string& key) const;
    void Add(const std::string& key, const FaceFile& face);

    // Records the files and folders the answers come from, as they are now
    // (the answers' own files are added when saving).
    void Watch(const std::vector<std::string>& paths);
    // Writes the answers if any was added. A failure leaves the old file:
    // the cache is only ever a shortcut.
    void Save();

    // The default file: $XDG_CACHE_HOME, else $HOME/.cache, under
    // dsp-panel/; "" when neither is set.
    static std::string DefaultFile();

  private:
    bool Load(const std::string& text);

    std::string file_;
    std::string header_;
    std::map<std::string, FaceFile> faces_;
    std::map<std::string, std::string> watched_;  // path -> stamp
    bool changed_ = false;
};

}  // namespace dsp
