#include "main/remote/web/web_protocol.h"

#include <algorithm>
#include <optional>

#include "main/panel/caption_table.h"
#include "platform/web/flat_json.h"

namespace dsp {
namespace {

const JsonScalar* Member(const FlatJsonObject& object, std::string_view name) {
    const auto found =
        std::find_if(object.begin(), object.end(), [&](const auto& m) { return m.first == name; });
    return found == object.end() ? nullptr : &found->second;
}

const std::string* Text(const JsonScalar* scalar) {
    return scalar ? std::get_if<std::string>(scalar) : nullptr;
}

// A number is the wire value; a text is read as `send` reads it (an item text
// first, then a number).
std::optional<int> ValueOf(const CommandRow& row, const JsonScalar& scalar) {
    if (const auto* text = std::get_if<std::string>(&scalar)) return ParseCommandValue(row, *text);
    const auto* number = std::get_if<JsonNumber>(&scalar);
    if (!number || !number->integer) return std::nullopt;
    const std::int64_t value = *number->integer;
    if (value < row.minValue || value > row.maxValue) return std::nullopt;
    return static_cast<int>(value);
}

WebRequest ReadSet(const FlatJsonObject& object, const std::string& name) {
    const CommandRow* row = FindCommand(name);
    // Codes are for the command line; the page names its parameters.
    if (!row || row->name != name) return WebRefusal{"unknown parameter"};
    const JsonScalar* value = Member(object, "value");
    if (!value || object.size() != 2) return WebRefusal{"expected {\"set\": NAME, \"value\": VALUE}"};
    const std::optional<int> parsed = ValueOf(*row, *value);
    if (!parsed) return WebRefusal{"value out of range"};
    return WebSet{row, *parsed};
}

std::string ValueJson(const WebValue& value) {
    if (!value.value) return "null";
    if (value.row->items.empty()) return std::to_string(*value.value);
    return JsonString(FormatCommandValue(*value.row, *value.value));
}

}  // namespace

bool IsWebAction(const CommandRow& row) { return row.name == "LOAD" || row.name == "SAVE"; }

WebRequest ReadWebRequest(std::string_view text) {
    const std::optional<FlatJsonObject> object = ReadFlatJsonObject(text);
    if (!object) return WebRefusal{"not a JSON object"};
    if (const std::string* name = Text(Member(*object, "set"))) return ReadSet(*object, *name);
    if (const std::string* what = Text(Member(*object, "get"));
        what && *what == "state" && object->size() == 1)
        return WebGetState{};
    if (const JsonScalar* ping = Member(*object, "ping"); ping && object->size() == 1) {
        const auto* number = std::get_if<JsonNumber>(ping);
        if (number && number->integer) return WebPing{*number->integer};
    }
    return WebRefusal{"unknown message"};
}

std::string WebStateMessage(std::uint64_t rev, std::span<const WebValue> values, std::string_view link,
                            int language) {
    JsonObjectWriter state;
    for (const WebValue& value : values) state.AddRaw(value.row->name, ValueJson(value));
    return JsonObjectWriter()
        .Add("rev", static_cast<std::int64_t>(rev))
        .AddRaw("state", state.Text())
        .Add("link", link)
        .Add("lang", IsChinese(language) ? "zh" : "en")
        .Text();
}

std::string WebChangeMessage(std::uint64_t rev, const WebValue& change) {
    const std::string inner =
        JsonObjectWriter().Add("name", change.row->name).AddRaw("value", ValueJson(change)).Text();
    return JsonObjectWriter().Add("rev", static_cast<std::int64_t>(rev)).AddRaw("change", inner).Text();
}

std::string WebRoleMessage(bool watching) {
    return JsonObjectWriter().Add("role", watching ? "watch" : "control").Text();
}

std::string WebPongMessage(std::int64_t number) { return JsonObjectWriter().Add("pong", number).Text(); }

std::string WebErrorMessage(std::string_view reason) {
    return JsonObjectWriter().Add("error", reason).Text();
}

}  // namespace dsp
