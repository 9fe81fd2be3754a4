#include "skin/skin_values.h"

#include <array>
#include <cstdint>
#include <limits>

#include "skin/skin_error.h"

namespace dsp {
namespace {

// The words of each enumerated form, in value order. Comparison is exact.
constexpr std::array<std::string_view, 7> kMorphWords = {
    "mkdefault", "mkgradient", "mkleftgradient", "mkrightgradient", "mkleftslide", "mkrightslide", "mkpush"};
constexpr std::array<std::string_view, 3> kStretchWords = {"stfull", "sthorz", "stvert"};
constexpr std::array<std::string_view, 6> kEffectWords = {"iebrightness", "iedarkness",  "iegrayscale",
                                                          "ienoise",      "iesplitblur", "ieinvert"};
constexpr std::array<std::string_view, 7> kCommandWords = {
    "cmclose", "cmmaximize", "cmminimize", "cmsysmenu", "cmdefault", "cmrollup", "cmminimizetotray"};
constexpr std::array<std::string_view, 4> kFontStyleWords = {"fsbold", "fsitalic", "fsunderline",
                                                             "fsstrikeout"};

template <std::size_t N>
int WordIndex(const std::array<std::string_view, N>& words, std::string_view word) {
    for (std::size_t i = 0; i < N; ++i) {
        if (words[i] == word) return static_cast<int>(i);
    }
    return -1;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool ParseHex(std::string_view digits, std::uint32_t& out) {
    if (digits.empty() || digits.size() > 8) return false;
    std::uint32_t value = 0;
    for (char c : digits) {
        int d = HexDigit(c);
        if (d < 0) return false;
        value = value << 4 | static_cast<std::uint32_t>(d);
    }
    out = value;
    return true;
}

bool ParseDecimal(std::string_view digits, std::int64_t limit, std::int64_t& out) {
    if (digits.empty()) return false;
    std::int64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
        if (value > limit) return false;
    }
    out = value;
    return true;
}

std::string Where(std::string_view section, std::string_view key) {
    return "[" + std::string(section) + "] " + std::string(key);
}

}  // namespace

int ParseSkinInt(std::string_view text, int defaultValue) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        std::uint32_t bits = 0;
        if (!ParseHex(text.substr(2), bits)) return defaultValue;
        if (negative) bits = 0u - bits;
        return static_cast<int>(bits);
    }
    std::int64_t limit = std::int64_t{std::numeric_limits<int>::max()} + (negative ? 1 : 0);
    std::int64_t value = 0;
    if (!ParseDecimal(text, limit, value)) return defaultValue;
    return static_cast<int>(negative ? -value : value);
}

std::vector<int> ParseSkinFields(std::string_view text, int count, std::string_view what) {
    std::vector<std::string> collected(1);
    for (char c : text) {
        if (c == ',') {
            collected.emplace_back();
        } else if (c >= '0' && c <= '9') {
            collected.back() += c;
        }
    }
    if (static_cast<int>(collected.size()) != count) {
        throw ESkinError(std::string(what) + ": \"" + std::string(text) + "\" has " +
                         std::to_string(collected.size()) + " fields, " + std::to_string(count) +
                         " expected");
    }
    std::vector<int> values;
    values.reserve(collected.size());
    for (const std::string& field : collected) {
        std::int64_t value = 0;
        if (!ParseDecimal(field, std::numeric_limits<int>::max(), value)) {
            throw ESkinError(std::string(what) + ": \"" + std::string(text) +
                             "\" has an empty or too large field");
        }
        values.push_back(static_cast<int>(value));
    }
    return values;
}

int ReadSkinInt(const SkinIni& ini, std::string_view section, std::string_view key, int def) {
    const std::string* value = ini.Find(section, key);
    return value == nullptr ? def : ParseSkinInt(*value, def);
}

bool ReadSkinBool(const SkinIni& ini, std::string_view section, std::string_view key) {
    return ReadSkinInt(ini, section, key, 0) == 1;
}

TRect ReadSkinRect(const SkinIni& ini, std::string_view section, std::string_view key) {
    const std::string* value = ini.Find(section, key);
    if (value == nullptr) return TRect{};
    std::vector<int> f = ParseSkinFields(*value, 4, Where(section, key));
    return TRect{f[0], f[1], f[2], f[3]};
}

TPoint ReadSkinPoint(const SkinIni& ini, std::string_view section, std::string_view key) {
    const std::string* value = ini.Find(section, key);
    if (value == nullptr) return TPoint{};
    std::vector<int> f = ParseSkinFields(*value, 2, Where(section, key));
    return TPoint{f[0], f[1]};
}

TFontStyles ReadSkinFontStyle(const SkinIni& ini, std::string_view section, std::string_view key) {
    const std::string* value = ini.Find(section, key);
    if (value == nullptr) return 0;
    TFontStyles styles = 0;
    for (std::size_t i = 0; i < kFontStyleWords.size(); ++i) {
        if (value->find(kFontStyleWords[i]) != std::string::npos) styles |= 1u << i;
    }
    return styles;
}

TAlignment ReadSkinAlignment(const SkinIni& ini, std::string_view section, std::string_view key) {
    std::string word = ini.ReadString(section, key, "tacenter");
    if (word == "tacenter") return TAlignment::taCenter;
    if (word == "taleftjustify") return TAlignment::taLeftJustify;
    return TAlignment::taRightJustify;
}

TbsMorphKind ReadSkinMorphKind(const SkinIni& ini, std::string_view section, std::string_view key) {
    int index = WordIndex(kMorphWords, ini.ReadString(section, key, "mkdefault"));
    return static_cast<TbsMorphKind>(index < 0 ? 0 : index);
}

TbsStretchType ReadSkinStretchType(const SkinIni& ini, std::string_view section, std::string_view key) {
    int index = WordIndex(kStretchWords, ini.ReadString(section, key, "stfull"));
    return static_cast<TbsStretchType>(index < 0 ? 1 : index);
}

TbsInActiveEffect ReadSkinEffect(const SkinIni& ini, std::string_view section, std::string_view key) {
    int index = WordIndex(kEffectWords, ini.ReadString(section, key, "iebrightness"));
    return index < 0 ? TbsInActiveEffect::ieGrayScale : static_cast<TbsInActiveEffect>(index);
}

TbsStdCommand ReadSkinCommand(const SkinIni& ini, std::string_view section, std::string_view key) {
    int index = WordIndex(kCommandWords, ini.ReadString(section, key, "cmdefault"));
    return index < 0 ? TbsStdCommand::cmMinimizeToTray : static_cast<TbsStdCommand>(index);
}

std::vector<std::string> ReadSkinList(const SkinIni& ini, std::string_view section, std::string_view name) {
    int count = ReadSkinInt(ini, section, std::string(name) + "count", 0);
    if (count <= 0) return {};
    if (static_cast<std::size_t>(count) > kMaxSkinListEntries) {
        throw ESkinError(Where(section, std::string(name) + "count") + ": " + std::to_string(count) +
                         " entries is more than a skin can hold");
    }
    // Absent entries read empty, so fill the entries from the keys that are
    // there instead of asking for each of `count` keys in turn.
    std::vector<std::string> entries(static_cast<std::size_t>(count));
    for (const auto& [key, value] : ini.Keys(section)) {
        std::int64_t index = 0;
        bool canonical = !key.empty() && (key == "0" || key[0] != '0');
        if (canonical && ParseDecimal(key, count - 1, index))
            entries[static_cast<std::size_t>(index)] = value;
    }
    return entries;
}

std::string RectText(const TRect& r) {
    return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) + "," +
           std::to_string(r.Bottom);
}

std::string PointText(const TPoint& p) { return std::to_string(p.X) + "," + std::to_string(p.Y); }

std::string FontStyleText(TFontStyles styles) {
    std::string out;
    for (std::size_t i = 0; i < kFontStyleWords.size(); ++i) {
        if ((styles & (1u << i)) == 0) continue;
        if (!out.empty()) out += ',';
        out += kFontStyleWords[i];
    }
    return out;
}

std::string AlignmentText(TAlignment a) {
    switch (a) {
        case TAlignment::taLeftJustify:
            return "taleftjustify";
        case TAlignment::taRightJustify:
            return "tarightjustify";
        case TAlignment::taCenter:
            break;
    }
    return "tacenter";
}

std::string MorphKindText(TbsMorphKind k) { return std::string(kMorphWords.at(static_cast<int>(k))); }
std::string StretchTypeText(TbsStretchType t) { return std::string(kStretchWords.at(static_cast<int>(t))); }
std::string EffectText(TbsInActiveEffect e) { return std::string(kEffectWords.at(static_cast<int>(e))); }
std::string CommandText(TbsStdCommand c) { return std::string(kCommandWords.at(static_cast<int>(c))); }

void WriteSkinList(SkinIni& ini, std::string_view section, std::string_view name,
                   const std::vector<std::string>& entries) {
    ini.WriteString(section, std::string(name) + "count", std::to_string(entries.size()));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        ini.WriteString(section, std::to_string(i), entries[i]);
    }
}

}  // namespace dsp
