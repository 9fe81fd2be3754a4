#pragma once
// JSON for the web remote's short messages, over a well-kept JSON library.
// The reader takes one object whose members are strings, numbers, booleans or
// null, nothing nested (the messages the page sends are flat); the writer
// builds objects member by member and escapes every text.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace dsp {

// A number is kept as a double; `Integer` says whether it was written as a
// whole number in range.
struct JsonNumber {
    double value = 0;
    std::optional<std::int64_t> integer;
};

using JsonScalar = std::variant<std::nullptr_t, bool, JsonNumber, std::string>;
using FlatJsonObject = std::vector<std::pair<std::string, JsonScalar>>;

// Nothing when `text` is not exactly one flat object (malformed, nested, a
// duplicate member name, more than `maxMembers` members, invalid UTF-8).
std::optional<FlatJsonObject> ReadFlatJsonObject(std::string_view text, std::size_t maxMembers = 8);

// `text` as a JSON string, quoted and escaped.
std::string JsonString(std::string_view text);

class JsonObjectWriter {
  public:
    JsonObjectWriter& Add(std::string_view name, std::int64_t value);
    JsonObjectWriter& Add(std::string_view name, std::string_view value);
    // `json` is written as it stands (an object built by another writer).
    JsonObjectWriter& AddRaw(std::string_view name, std::string_view json);
    std::string Text() const { return text_ + "}"; }

  private:
    void Name(std::string_view name);
    std::string text_ = "{";
};

}  // namespace dsp
