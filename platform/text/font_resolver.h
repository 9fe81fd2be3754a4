#pragma once
// FontResolver: face names to installed font files through fontconfig. The
// classic interface faces have metric-compatible stand-ins; the alias table
// names them, and everything else goes to fontconfig's own matching.

#include <map>
#include <string>
#include <string_view>

namespace dsp {

struct FaceFile {
    std::string path;
    int index = 0;
    bool bold = false;    // the file's own weight is bold
    bool italic = false;  // the file's own slant is italic or oblique

    friend auto operator<=>(const FaceFile&, const FaceFile&) = default;
};

class FontResolver {
  public:
    FontResolver();
    ~FontResolver();
    FontResolver(const FontResolver&) = delete;
    FontResolver& operator=(const FontResolver&) = delete;

    // The best installed face for the name and style. Throws
    // std::runtime_error when fontconfig finds no font at all.
    FaceFile Resolve(std::string_view name, bool bold, bool italic);
    // The face that Chinese text falls back to.
    FaceFile CjkFallback();
    // Some installed face that has a glyph for `cp`; empty path when none.
    FaceFile ForCodePoint(char32_t cp);

    // The family the alias table puts in place of `name` (or `name`).
    static std::string_view Substitute(std::string_view name);

  private:
    FaceFile Match(const std::string& pattern, bool bold, bool italic, char32_t cp);

    void* config_;  // FcConfig, kept opaque so the header stays free of fontconfig
    std::map<std::string, FaceFile> cache_;
};

}  // namespace dsp
