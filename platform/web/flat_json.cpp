#include "platform/web/flat_json.h"

#include <nlohmann/json.hpp>
#include <set>

namespace dsp {
namespace {

std::optional<JsonScalar> ScalarOf(const nlohmann::json& value) {
    switch (value.type()) {
        case nlohmann::json::value_t::null:
            return JsonScalar(nullptr);
        case nlohmann::json::value_t::boolean:
            return JsonScalar(value.get<bool>());
        case nlohmann::json::value_t::string:
            return JsonScalar(value.get<std::string>());
        case nlohmann::json::value_t::number_integer:
            return JsonScalar(
                JsonNumber{static_cast<double>(value.get<std::int64_t>()), value.get<std::int64_t>()});
        case nlohmann::json::value_t::number_unsigned: {
            const auto big = value.get<std::uint64_t>();
            JsonNumber number{static_cast<double>(big), std::nullopt};
            if (big <= static_cast<std::uint64_t>(INT64_MAX)) number.integer = static_cast<std::int64_t>(big);
            return JsonScalar(number);
        }
        case nlohmann::json::value_t::number_float:
            return JsonScalar(JsonNumber{value.get<double>(), std::nullopt});
        default:
            return std::nullopt;  // arrays, objects, binary
    }
}

}  // namespace

std::string JsonString(std::string_view text) {
    // Invalid UTF-8 becomes U+FFFD instead of an exception.
    return nlohmann::json(std::string(text)).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::optional<FlatJsonObject> ReadFlatJsonObject(std::string_view text, std::size_t maxMembers) {
    // Nesting is refused while parsing: the callback stops at the second level,
    // so deep input never builds deep trees. Duplicates are seen here too,
    // since the library keeps only the last of them.
    bool refused = false;
    std::set<std::string> names;
    const auto filter = [&](int depth, nlohmann::json::parse_event_t event, nlohmann::json& parsed) {
        using Event = nlohmann::json::parse_event_t;
        if ((event == Event::object_start || event == Event::array_start) && depth > 0) refused = true;
        if (event == Event::key && depth == 1 && !names.insert(parsed.get<std::string>()).second)
            refused = true;
        if (names.size() > maxMembers) refused = true;
        return !refused;
    };
    const nlohmann::json parsed = nlohmann::json::parse(text.begin(), text.end(), filter, false);
    if (refused || parsed.is_discarded() || !parsed.is_object()) return std::nullopt;
    FlatJsonObject object;
    for (const auto& [name, value] : parsed.items()) {
        std::optional<JsonScalar> scalar = ScalarOf(value);
        if (!scalar) return std::nullopt;
        object.emplace_back(name, std::move(*scalar));
    }
    return object;
}

void JsonObjectWriter::Name(std::string_view name) {
    if (text_.size() > 1) text_ += ',';
    text_ += JsonString(name);
    text_ += ':';
}

JsonObjectWriter& JsonObjectWriter::Add(std::string_view name, std::int64_t value) {
    Name(name);
    text_ += std::to_string(value);
    return *this;
}

JsonObjectWriter& JsonObjectWriter::Add(std::string_view name, std::string_view value) {
    Name(name);
    text_ += JsonString(value);
    return *this;
}

JsonObjectWriter& JsonObjectWriter::AddRaw(std::string_view name, std::string_view json) {
    Name(name);
    text_ += json;
    return *this;
}

}  // namespace dsp
