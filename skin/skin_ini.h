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
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> keys;
        std::unordered_map<std::string, std::size_t> index;  // lower-case key -> position
    };
    const Section* FindSection(std::string_view name) const;
    Section& AddSection(std::string_view name);
    static void SetKey(Section& section, std::string_view key, std::string_view value, bool replace);

    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> sectionIndex_;  // lower-case name -> position
};

// ASCII lower case, as names compare.
std::string LowerAscii(std::string_view text);
std::string_view TrimBlanks(std::string_view text);

}  // namespace dsp
