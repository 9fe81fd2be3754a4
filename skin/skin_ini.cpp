#include "skin/skin_ini.h"

namespace dsp {

namespace {

char LowerChar(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::size_t SkinIni::NoCaseHash::operator()(std::string_view name) const {
    std::size_t hash = 1469598103934665603u;  // FNV-1a
    for (char c : name) hash = (hash ^ static_cast<unsigned char>(LowerChar(c))) * 1099511628211u;
    return hash;
}

bool SkinIni::NoCaseEqual::operator()(std::string_view a, std::string_view b) const {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerChar(a[i]) != LowerChar(b[i])) return false;
    }
    return true;
}

std::string_view TrimBlanks(std::string_view text) {
    // Blanks and control characters, as the classic trim takes them.
    auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::vector<std::string> SkinIni::SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

SkinIni SkinIni::FromText(std::string_view text) {
    SkinIni ini;
    Section* current = nullptr;
    bool currentIsDuplicate = false;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = TrimBlanks(text.substr(start, end - start));
        start = end + 1;
        if (end < text.size() && text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;

        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
            std::string_view name = TrimBlanks(line.substr(1, line.size() - 2));
            currentIsDuplicate = ini.FindSection(name) != nullptr;
            current = currentIsDuplicate ? nullptr : &ini.AddSection(name);
            continue;
        }
        if (current == nullptr || currentIsDuplicate) continue;
        std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        SetKey(*current, TrimBlanks(line.substr(0, eq)), TrimBlanks(line.substr(eq + 1)), false);
    }
    return ini;
}

const SkinIni::Section* SkinIni::FindSection(std::string_view name) const {
    auto it = sectionIndex_.find(name);
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

SkinIni::Section& SkinIni::AddSection(std::string_view name) {
    sectionIndex_.emplace(std::string(name), sections_.size());
    sections_.push_back(Section{std::string(name), {}, {}});
    return sections_.back();
}

void SkinIni::SetKey(Section& section, std::string_view key, std::string_view value, bool replace) {
    auto found = section.index.find(key);
    if (found == section.index.end()) {
        section.index.emplace(std::string(key), section.keys.size());
        section.keys.emplace_back(std::string(key), std::string(value));
    } else if (replace) {
        section.keys[found->second].second = std::string(value);
    }
}

bool SkinIni::SectionExists(std::string_view section) const { return FindSection(section) != nullptr; }

const std::string* SkinIni::Find(std::string_view section, std::string_view key) const {
    const Section* s = FindSection(section);
    if (s == nullptr) return nullptr;
    auto it = s->index.find(key);
    return it == s->index.end() ? nullptr : &s->keys[it->second].second;
}

std::string SkinIni::ReadString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    const std::string* value = Find(section, key);
    return value != nullptr ? *value : std::string(defaultValue);
}

void SkinIni::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    auto it = sectionIndex_.find(section);
    Section& s = it == sectionIndex_.end() ? AddSection(section) : sections_[it->second];
    SetKey(s, key, value, true);
}

std::vector<std::string> SkinIni::SectionNames() const {
    std::vector<std::string> names;
    for (const Section& s : sections_) names.push_back(s.name);
    return names;
}

std::vector<std::pair<std::string, std::string>> SkinIni::Keys(std::string_view section) const {
    const Section* s = FindSection(section);
    return s == nullptr ? std::vector<std::pair<std::string, std::string>>{} : s->keys;
}

std::string SkinIni::ToText() const {
    std::string out;
    for (const Section& s : sections_) {
        out += '[';
        out += s.name;
        out += "]\r\n";
        for (const auto& [key, value] : s.keys) {
            out += key;
            out += '=';
            out += value;
            out += "\r\n";
        }
        out += "\r\n";
    }
    return out;
}

}  // namespace dsp
