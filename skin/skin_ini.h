#pragma once
// SkinIni: a skin description text held in memory. Lines are trimmed; empty
// lines and lines starting with ";" are ignored; "[name]" opens a section and
// "key=value" sets a key. Section and key names match without regard to
// letter case. When a section or key occurs twice, the first one is the one
// that is read. Writing keeps the order in which sections and keys first
// appeared, so a text read and written back keeps its shape.

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace dsp {

class SkinIni {
  public:
    SkinIni() = default;
    // Parses a text whose lines end in CR LF, LF or CR.
    static SkinIni FromText(std::string_view text);
    // Splits a text into lines the same way (no line terminators kept).
    static std::vector<std::string> SplitLines(std::string_view text);

    bool SectionExists(std::string_view section) const;
    // The value of a key, or nullptr when the section or the key is absent.
    const std::string* Find(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // Sets a key, replacing its value if present, appending it otherwise.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);

    std::size_t SectionCount() const { return sections_.size(); }
    std::vector<std::string> SectionNames() const;
    // The keys of a section in text order, with their values; empty if absent.
    std::vector<std::pair<std::string, std::string>> Keys(std::string_view section) const;
    // The text form: each section, its keys, then an empty line; CR LF endings.
    std::string ToText() const;

  private:
    // Names hash and compare without regard to ASCII letter case, and are
    // looked up by string_view without building a lower-case copy.
    struct NoCaseHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const;
    };
    struct NoCaseEqual {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };
    using NameIndex = std::unordered_map<std::string, std::size_t, NoCaseHash, NoCaseEqual>;

    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> keys;
        NameIndex index;  // key -> position in keys
    };
    const Section* FindSection(std::string_view name) const;
    Section& AddSection(std::string_view name);
    static void SetKey(Section& section, std::string_view key, std::string_view value, bool replace);

    std::vector<Section> sections_;
    NameIndex sectionIndex_;  // name -> position in sections_
};

std::string_view TrimBlanks(std::string_view text);

}  // namespace dsp
