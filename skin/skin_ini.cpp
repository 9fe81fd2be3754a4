#include "skin/skin_ini.h"

#include <algorithm>

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

namespace {

// The position of the next CR or LF from `start`, or the text's end.
std::size_t LineEnd(std::string_view text, std::size_t start) {
    while (start < text.size() && text[start] != '\r' && text[start] != '\n') ++start;
    return start;
}

}  // namespace

std::size_t SkinIni::Section::IndexOf(std::string_view key) const {
    if (next < keys.size() && NoCaseEqual{}(keys[next].first, key)) return next++;
    std::size_t hash = NoCaseHash{}(key);
    for (auto it = std::lower_bound(order.begin(), order.end(), std::pair{hash, std::uint32_t{0}});
         it != order.end() && it->first == hash; ++it) {
        if (NoCaseEqual{}(keys[it->second].first, key)) {
            next = it->second + 1;
            return it->second;
        }
    }
    return SIZE_MAX;
}

const std::string_view* SkinIni::Section::Find(std::string_view key) const {
    std::size_t at = IndexOf(key);
    return at == SIZE_MAX ? nullptr : &keys[at].second;
}

void SkinIni::Section::Seal() {
    order.clear();
    order.reserve(keys.size());
    for (std::uint32_t i = 0; i < keys.size(); ++i) order.emplace_back(NoCaseHash{}(keys[i].first), i);
    std::sort(order.begin(), order.end());
    // The first of equal keys is the one read; later ones are dropped.
    std::vector<bool> drop(keys.size(), false);
    bool any = false;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (drop[order[i].second]) continue;  // its first copy already swept the run
        for (std::size_t j = i + 1; j < order.size() && order[j].first == order[i].first; ++j) {
            if (!drop[order[j].second] &&
                NoCaseEqual{}(keys[order[i].second].first, keys[order[j].second].first)) {
                drop[order[j].second] = any = true;
            }
        }
    }
    if (!any) return;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (drop[i]) continue;
        if (kept != i) keys[kept] = keys[i];
        ++kept;
    }
    keys.resize(kept);
    Seal();
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

std::string_view SkinIni::Keep(std::string_view text) { return storage_.emplace_back(text); }

SkinIni SkinIni::FromText(std::string_view source) {
    SkinIni ini;
    std::string_view text = ini.Keep(source);
    Section* current = nullptr;
    bool currentIsDuplicate = false;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = LineEnd(text, start);
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
        current->keys.emplace_back(TrimBlanks(line.substr(0, eq)), TrimBlanks(line.substr(eq + 1)));
    }
    for (Section& section : ini.sections_) section.Seal();
    return ini;
}

const SkinIni::Section* SkinIni::FindSection(std::string_view name) const {
    if (lastSection_ < sections_.size() && NoCaseEqual{}(sections_[lastSection_].name, name)) {
        return &sections_[lastSection_];
    }
    auto it = sectionIndex_.find(name);
    if (it == sectionIndex_.end()) return nullptr;
    lastSection_ = it->second;
    return &sections_[lastSection_];
}

SkinIni::Section& SkinIni::AddSection(std::string_view name) {
    sectionIndex_.emplace(std::string(name), sections_.size());
    sections_.push_back(Section{std::string(name), {}, {}});
    return sections_.back();
}

bool SkinIni::SectionExists(std::string_view section) const { return FindSection(section) != nullptr; }

const std::string_view* SkinIni::Find(std::string_view section, std::string_view key) const {
    const Section* s = FindSection(section);
    if (s == nullptr) return nullptr;
    return s->Find(key);
}

std::string SkinIni::ReadString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    const std::string_view* value = Find(section, key);
    return std::string(value != nullptr ? *value : defaultValue);
}

void SkinIni::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    auto it = sectionIndex_.find(section);
    Section& s = it == sectionIndex_.end() ? AddSection(section) : sections_[it->second];
    if (std::size_t at = s.IndexOf(key); at != SIZE_MAX) {
        s.keys[at].second = Keep(value);
        return;
    }
    auto entry = std::pair{NoCaseHash{}(key), static_cast<std::uint32_t>(s.keys.size())};
    s.order.insert(std::upper_bound(s.order.begin(), s.order.end(), entry), entry);
    s.keys.emplace_back(Keep(key), Keep(value));
}

std::vector<std::string> SkinIni::SectionNames() const {
    std::vector<std::string> names;
    for (const Section& s : sections_) names.push_back(s.name);
    return names;
}

std::vector<std::pair<std::string, std::string>> SkinIni::Keys(std::string_view section) const {
    std::vector<std::pair<std::string, std::string>> keys;
    if (const Section* s = FindSection(section)) {
        for (const auto& [key, value] : s->keys) keys.emplace_back(key, value);
    }
    return keys;
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
