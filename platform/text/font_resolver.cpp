#include "platform/text/font_resolver.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace dsp {
namespace {

// Faces the stored layout and the skins name, and the installed families with
// the same metrics (or, for the Chinese faces, the same script).
constexpr std::array<std::pair<std::string_view, std::string_view>, 9> kAliases = {{
    {"ms sans serif", "Liberation Sans"},
    {"arial", "Liberation Sans"},
    {"tahoma", "Liberation Sans"},
    {"verdana", "Liberation Sans"},
    {"times new roman", "Liberation Serif"},
    {"courier new", "Liberation Mono"},
    {"simsun", "WenQuanYi Micro Hei"},
    {"宋体", "WenQuanYi Micro Hei"},
    {"ms shell dlg", "Liberation Sans"},
}};

constexpr std::string_view kCjkFamily = "WenQuanYi Micro Hei";

// Everything a configuration was read from: its files and the folders they
// sit in, the font folders (each subfolder is listed too) and the caches.
std::vector<std::string> Sources(FcConfig* config) {
    std::vector<std::string> paths;
    const auto add = [&paths](FcStrList* list, bool withFolder) {
        while (FcChar8* item = FcStrListNext(list)) {
            const std::string path(reinterpret_cast<const char*>(item));
            paths.push_back(path);
            if (withFolder && path.rfind('/') != std::string::npos)
                paths.push_back(path.substr(0, path.rfind('/')));
        }
        FcStrListDone(list);
    };
    add(FcConfigGetConfigFiles(config), true);
    add(FcConfigGetConfigDirs(config), false);
    add(FcConfigGetFontDirs(config), false);
    add(FcConfigGetCacheDirs(config), false);
    return paths;
}

}  // namespace

// The stored answers hold for this fontconfig and this way of asking it: a
// change to Ask gets a new number here.
FontResolver::FontResolver(std::string cacheFile)
    : stored_(std::move(cacheFile), "1 " + std::to_string(FcGetVersion())) {}

FontResolver::~FontResolver() {
    if (!config_) return;
    try {
        stored_.Save();
    } catch (const std::exception&) {  // out of memory: the next run asks again
    }
    FcConfigDestroy(static_cast<FcConfig*>(config_));
}

void* FontResolver::Config() {
    if (!config_) {
        config_ = FcInitLoadConfigAndFonts();
        if (!config_) throw std::runtime_error("fontconfig could not load its configuration");
        stored_.Watch(Sources(static_cast<FcConfig*>(config_)));
    }
    return config_;
}

std::string_view FontResolver::Substitute(std::string_view name) {
    std::string lower(name);
    for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
    for (const auto& [from, to] : kAliases) {
        if (from == lower) return to;
    }
    return name;
}

FaceFile FontResolver::Resolve(std::string_view name, bool bold, bool italic) {
    std::string family(Substitute(name));
    if (family.empty()) family = "sans-serif";
    return Match(family, bold, italic, 0);
}

FaceFile FontResolver::CjkFallback() {
    return Match(std::string(kCjkFamily) + ":lang=zh-cn", false, false, 0);
}

FaceFile FontResolver::ForCodePoint(char32_t cp) { return Match("sans-serif", false, false, cp); }

FaceFile FontResolver::Match(const std::string& pattern, bool bold, bool italic, char32_t cp) {
    const std::string key = pattern + (bold ? "|b" : "|") + (italic ? "i|" : "|") + std::to_string(cp);
    if (auto it = cache_.find(key); it != cache_.end()) return it->second;
    std::optional<FaceFile> face = stored_.Find(key);
    if (!face) {
        face = Ask(pattern, bold, italic, cp);
        stored_.Add(key, *face);
    }
    cache_[key] = *face;
    return *face;
}

FaceFile FontResolver::Ask(const std::string& pattern, bool bold, bool italic, char32_t cp) {
    FcPattern* pat = FcNameParse(reinterpret_cast<const FcChar8*>(pattern.c_str()));
    if (!pat) throw std::runtime_error("bad font pattern: " + pattern);
    FcPatternAddInteger(pat, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pat, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pat, FC_SCALABLE, FcTrue);
    FcCharSet* chars = nullptr;
    if (cp != 0) {
        chars = FcCharSetCreate();
        FcCharSetAddChar(chars, FcChar32(cp));
        FcPatternAddCharSet(pat, FC_CHARSET, chars);
    }
    FcConfig* config = static_cast<FcConfig*>(Config());
    FcConfigSubstitute(config, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pat, &result);
    FaceFile face;
    if (match) {
        FcChar8* file = nullptr;
        int index = 0, weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
        FcCharSet* has = nullptr;
        const bool covers = cp == 0 || (FcPatternGetCharSet(match, FC_CHARSET, 0, &has) == FcResultMatch &&
                                        FcCharSetHasChar(has, FcChar32(cp)));
        if (covers && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
            FcPatternGetInteger(match, FC_INDEX, 0, &index);
            FcPatternGetInteger(match, FC_WEIGHT, 0, &weight);
            FcPatternGetInteger(match, FC_SLANT, 0, &slant);
            face = {reinterpret_cast<const char*>(file), index, weight >= FC_WEIGHT_DEMIBOLD,
                    slant != FC_SLANT_ROMAN};
        }
        FcPatternDestroy(match);
    }
    if (chars) FcCharSetDestroy(chars);
    FcPatternDestroy(pat);
    if (face.path.empty() && cp == 0) throw std::runtime_error("no installed font for \"" + pattern + "\"");
    return face;
}

}  // namespace dsp
