#pragma once
// FontResolver: face names to installed font files through fontconfig. The
// classic interface faces have metric-compatible stand-ins; the alias table
// names them, and everything else goes to fontconfig's own matching.
// fontconfig's configuration is loaded only for a question the face cache
// cannot answer, and what it answers is kept there for the next run.

#include <map>
#include <string>
#include <string_view>

#include "platform/text/face_cache.h"

namespace dsp {

class FontResolver {
  public:
    // `cacheFile`: where answers are kept between runs ("" keeps none).
    explicit FontResolver(std::string cacheFile = FaceCache::DefaultFile());
    // Saves the answers fontconfig gave this run.
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

    // Whether fontconfig's configuration has been loaded (tests ask).
    bool ConfigLoaded() const { return config_ != nullptr; }

  private:
    FaceFile Match(const std::string& pattern, bool bold, bool italic, char32_t cp);
    FaceFile Ask(const std::string& pattern, bool bold, bool italic, char32_t cp);
    void* Config();  // loads it on first use; throws std::runtime_error when it cannot

    void* config_ = nullptr;  // FcConfig, kept opaque so the header stays free of fontconfig
    std::map<std::string, FaceFile> cache_;
    FaceCache stored_;
};

}  // namespace dsp
