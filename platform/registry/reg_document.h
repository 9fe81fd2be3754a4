#pragma once
// The contents of a registry text file ("REGEDIT4" format) held in memory:
// keys in file order, each with its values in file order. Parsing is strict:
// anything we do not understand makes the whole file unreadable, so that a
// save never drops data we failed to read.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace dsp {

// Registry value types, numbered as the registry numbers them.
enum class RegType : uint32_t { None = 0, String = 1, ExpandString = 2, Binary = 3, Dword = 4 };

struct RegValue {
    std::string name;  // empty = the key's default value ("@")
    RegType type = RegType::None;
    uint32_t dword = 0;          // Dword
    std::string text;            // String (UTF-8)
    std::vector<uint8_t> bytes;  // Binary and hex(n) forms
    // Read from a "hex(n):" line: written back the same way, whatever n is,
    // so a type we hold only as bytes keeps its data.
    bool hexForm = false;

    // The size the value's data occupies in the registry, in bytes (strings
    // are counted as UTF-16 with their terminator).
    size_t DataSize() const;

    friend bool operator==(const RegValue&, const RegValue&) = default;
};

struct RegKey {
    std::string path;  // full path, e.g. "HKEY_CURRENT_USER\Software\x"
    std::vector<RegValue> values;

    RegValue* Find(std::string_view name);
    const RegValue* Find(std::string_view name) const;
    void Set(RegValue value);
};

class RegParseError : public std::runtime_error {
  public:
    RegParseError(int line, const std::string& what);
    int Line() const { return line_; }

  private:
    int line_;
};

class RegDocument {
  public:
    // Throws RegParseError. Accepts LF or CR LF and a UTF-8 byte-order mark.
    static RegDocument Parse(std::string_view text);
    std::string Serialize() const;

    // Key paths compare without regard to ASCII letter case.
    RegKey* FindKey(std::string_view path);
    const RegKey* FindKey(std::string_view path) const;
    // Finds or appends the key, adding missing parent keys before it.
    RegKey& CreateKey(std::string_view path);

    const std::vector<RegKey>& Keys() const { return keys_; }

  private:
    std::vector<RegKey> keys_;
};

bool RegNamesEqual(std::string_view a, std::string_view b);

}  // namespace dsp
