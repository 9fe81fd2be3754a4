#include "platform/registry/reg_document.h"

#include <algorithm>
#include <cstdio>
#include <unordered_map>

namespace dsp {
namespace {

constexpr std::string_view kHeader = "REGEDIT4";
constexpr std::string_view kBom = "\xEF\xBB\xBF";

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string LowerCopy(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = Lower(c);
    return out;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = Lower(c);
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Number of UTF-16 code units of a UTF-8 text (4-byte sequences need two).
size_t Utf16Length(std::string_view s) {
    size_t n = 0;
    for (unsigned char c : s) {
        if ((c & 0xC0) != 0x80) n += (c >= 0xF0) ? 2 : 1;
    }
    return n;
}

// Splits the file into logical lines: CR LF and LF both end a line, and a
// trailing backslash continues a hex value on the next line.
struct Line {
    int number;
    std::string text;
};

std::vector<Line> SplitLines(std::string_view text) {
    std::vector<Line> lines;
    int number = 0;
    std::string pending;
    int pendingStart = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view raw = text.substr(pos, end - pos);
        pos = end + 1;
        ++number;
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
        if (pending.empty()) pendingStart = number;
        std::string_view piece = raw;
        if (!pending.empty()) {  // continuation lines may be indented
            size_t first = piece.find_first_not_of(" \t");
            piece = first == std::string_view::npos ? std::string_view() : piece.substr(first);
        }
        bool continues = !piece.empty() && piece.back() == '\\' &&
                         (!pending.empty() || piece.find("=hex") != std::string_view::npos);
        if (continues) {
            pending.append(piece.substr(0, piece.size() - 1));
            continue;
        }
        pending.append(piece);
        lines.push_back({pendingStart, std::move(pending)});
        pending.clear();
    }
    if (!pending.empty()) lines.push_back({pendingStart, std::move(pending)});
    return lines;
}

// Reads a quoted string starting at s[pos] == '"'; leaves pos after the
// closing quote.
std::string ReadQuoted(const std::string& s, size_t& pos, int line) {
    std::string out;
    ++pos;
    while (pos < s.size()) {
        char c = s[pos++];
        if (c == '"') return out;
        if (c == '\\') {
            if (pos >= s.size()) break;
            char e = s[pos++];
            if (e == '\\' || e == '"') {
                out.push_back(e);
            } else if (e == 'n') {
                out.push_back('\n');
            } else if (e == 'r') {
                out.push_back('\r');
            } else {
                throw RegParseError(line, "unknown escape in a string");
            }
            continue;
        }
        out.push_back(c);
    }
    throw RegParseError(line, "unterminated string");
}

std::vector<uint8_t> ReadHexBytes(std::string_view s, int line) {
    std::vector<uint8_t> bytes;
    size_t pos = 0;
    while (pos < s.size()) {
        while (pos < s.size() && (s[pos] == ' ' || s[pos] == '\t')) ++pos;
        if (pos >= s.size()) break;
        int hi = HexDigit(s[pos]);
        int lo = pos + 1 < s.size() ? HexDigit(s[pos + 1]) : -1;
        if (hi < 0 || lo < 0) throw RegParseError(line, "bad hex data");
        bytes.push_back(static_cast<uint8_t>(hi * 16 + lo));
        pos += 2;
        while (pos < s.size() && (s[pos] == ' ' || s[pos] == '\t')) ++pos;
        if (pos < s.size()) {
            if (s[pos] != ',') throw RegParseError(line, "bad hex data");
            ++pos;
        }
    }
    return bytes;
}

RegValue ParseData(const std::string& s, size_t pos, int line) {
    RegValue v;
    std::string_view rest = std::string_view(s).substr(pos);
    if (!rest.empty() && rest[0] == '"') {
        v.type = RegType::String;
        v.text = ReadQuoted(s, pos, line);
        if (s.find_first_not_of(" \t", pos) != std::string::npos)
            throw RegParseError(line, "text after string");
        return v;
    }
    if (rest.starts_with("dword:")) {
        std::string_view digits = rest.substr(6);
        if (digits.empty() || digits.size() > 8) throw RegParseError(line, "bad dword");
        uint32_t value = 0;
        for (char c : digits) {
            int d = HexDigit(c);
            if (d < 0) throw RegParseError(line, "bad dword");
            value = value * 16 + static_cast<uint32_t>(d);
        }
        v.type = RegType::Dword;
        v.dword = value;
        return v;
    }
    if (rest.starts_with("hex:")) {
        v.type = RegType::Binary;
        v.bytes = ReadHexBytes(rest.substr(4), line);
        return v;
    }
    if (rest.starts_with("hex(")) {
        size_t close = rest.find("):");
        if (close == std::string_view::npos || close == 4) throw RegParseError(line, "bad hex type");
        uint32_t type = 0;
        for (char c : rest.substr(4, close - 4)) {
            int d = HexDigit(c);
            if (d < 0 || type > 0xFFFFFFF) throw RegParseError(line, "bad hex type");
            type = type * 16 + static_cast<uint32_t>(d);
        }
        v.type = static_cast<RegType>(type);
        v.bytes = ReadHexBytes(rest.substr(close + 2), line);
        v.hexForm = true;
        // The typed readers look at these, so give them the bytes' meaning.
        if (v.type == RegType::Dword && v.bytes.size() == 4)
            v.dword = uint32_t(v.bytes[0]) | uint32_t(v.bytes[1]) << 8 | uint32_t(v.bytes[2]) << 16 |
                      uint32_t(v.bytes[3]) << 24;
        if (v.type == RegType::String || v.type == RegType::ExpandString) {
            auto end = std::find(v.bytes.begin(), v.bytes.end(), uint8_t(0));
            v.text.assign(v.bytes.begin(), end);
        }
        return v;
    }
    throw RegParseError(line, "unknown value form");
}

// Line breaks are escaped too: a raw one would end the line, and the file
// would no longer read.
std::string EscapeString(std::string_view s) {
    std::string out;
    for (char c : s) {
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else {
            if (c == '\\' || c == '"') out.push_back('\\');
            out.push_back(c);
        }
    }
    return out;
}

std::string HexList(const std::vector<uint8_t>& bytes) {
    std::string out;
    char buf[4];
    for (size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(buf, sizeof buf, "%02x", bytes[i]);
        if (i) out.push_back(',');
        out += buf;
    }
    return out;
}

std::string ValueLine(const RegValue& v) {
    std::string line = v.name.empty() ? "@" : "\"" + EscapeString(v.name) + "\"";
    line.push_back('=');
    char buf[32];
    if (v.hexForm) {
        std::snprintf(buf, sizeof buf, "hex(%x):", static_cast<uint32_t>(v.type));
        return line + buf + HexList(v.bytes);
    }
    switch (v.type) {
        case RegType::String:
            line += "\"" + EscapeString(v.text) + "\"";
            break;
        case RegType::Dword:
            std::snprintf(buf, sizeof buf, "dword:%08x", v.dword);
            line += buf;
            break;
        case RegType::Binary:
            line += "hex:" + HexList(v.bytes);
            break;
        default:
            std::snprintf(buf, sizeof buf, "hex(%x):", static_cast<uint32_t>(v.type));
            line += buf + HexList(v.bytes);
            break;
    }
    return line;
}

}  // namespace

bool RegNamesEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

size_t RegValue::DataSize() const {
    if (hexForm) return bytes.size();
    switch (type) {
        case RegType::Dword:
            return 4;
        case RegType::String:
            return (Utf16Length(text) + 1) * 2;
        default:
            return bytes.size();
    }
}

RegValue* RegKey::Find(std::string_view name) {
    for (auto& v : values)
        if (RegNamesEqual(v.name, name)) return &v;
    return nullptr;
}

const RegValue* RegKey::Find(std::string_view name) const { return const_cast<RegKey*>(this)->Find(name); }

void RegKey::Set(RegValue value) {
    if (RegValue* old = Find(value.name)) {
        value.name = old->name;
        *old = std::move(value);
    } else {
        values.push_back(std::move(value));
    }
}

RegParseError::RegParseError(int line, const std::string& what)
    : std::runtime_error("line " + std::to_string(line) + ": " + what), line_(line) {}

RegDocument RegDocument::Parse(std::string_view text) {
    if (text.starts_with(kBom)) text.remove_prefix(kBom.size());
    RegDocument doc;
    bool header = false;
    RegKey* current = nullptr;
    // Keys and values are found through hash indexes while reading, so a file
    // of many keys reads in time proportional to its size.
    std::unordered_map<std::string, std::size_t> keyIndex;
    std::vector<std::unordered_map<std::string, std::size_t>> valueIndex;
    for (const Line& l : SplitLines(text)) {
        std::string_view t = l.text;
        size_t first = t.find_first_not_of(" \t");
        if (first == std::string_view::npos || t[first] == ';') continue;
        size_t last = t.find_last_not_of(" \t");
        t = t.substr(first, last - first + 1);
        if (!header) {
            if (t != kHeader) throw RegParseError(l.number, "missing REGEDIT4 header");
            header = true;
            continue;
        }
        if (t.front() == '[') {
            if (t.back() != ']' || t.size() < 3 || t[1] == '-') throw RegParseError(l.number, "bad key line");
            std::string_view path = t.substr(1, t.size() - 2);
            auto [at, added] = keyIndex.try_emplace(LowerCopy(path), doc.keys_.size());
            if (added) {
                doc.keys_.push_back(RegKey{std::string(path), {}});
                valueIndex.emplace_back();
            }
            current = &doc.keys_[at->second];
            continue;
        }
        if (!current) throw RegParseError(l.number, "value outside a key");
        std::string s(t);
        size_t pos = 0;
        std::string name;
        if (s[0] == '@') {
            pos = 1;
        } else if (s[0] == '"') {
            name = ReadQuoted(s, pos, l.number);
            if (name.empty()) throw RegParseError(l.number, "empty value name");
        } else {
            throw RegParseError(l.number, "bad value line");
        }
        while (pos < s.size() && (s[pos] == ' ' || s[pos] == '\t')) ++pos;
        if (pos >= s.size() || s[pos] != '=') throw RegParseError(l.number, "missing '='");
        ++pos;
        while (pos < s.size() && (s[pos] == ' ' || s[pos] == '\t')) ++pos;
        RegValue v = ParseData(s, pos, l.number);
        auto& values = valueIndex[static_cast<std::size_t>(current - doc.keys_.data())];
        auto [at, added] = values.try_emplace(LowerCopy(name), current->values.size());
        if (added) {
            v.name = std::move(name);
            current->values.push_back(std::move(v));
        } else {  // a repeated name: the later data wins, the first spelling stays
            v.name = std::move(current->values[at->second].name);
            current->values[at->second] = std::move(v);
        }
    }
    if (!header) throw RegParseError(0, "missing REGEDIT4 header");
    return doc;
}

std::string RegDocument::Serialize() const {
    std::string out(kHeader);
    out += "\n\n";
    for (const RegKey& k : keys_) {
        out += "[" + k.path + "]\n";
        for (const RegValue& v : k.values) out += ValueLine(v) + "\n";
        out += "\n";
    }
    return out;
}

RegKey* RegDocument::FindKey(std::string_view path) {
    for (auto& k : keys_)
        if (RegNamesEqual(k.path, path)) return &k;
    return nullptr;
}

const RegKey* RegDocument::FindKey(std::string_view path) const {
    return const_cast<RegDocument*>(this)->FindKey(path);
}

RegKey& RegDocument::CreateKey(std::string_view path) {
    if (RegKey* k = FindKey(path)) return *k;
    size_t cut = path.rfind('\\');
    if (cut != std::string_view::npos && cut > 0 && path.substr(0, cut).find('\\') != std::string_view::npos)
        CreateKey(path.substr(0, cut));
    return keys_.emplace_back(RegKey{std::string(path), {}});
}

}  // namespace dsp
