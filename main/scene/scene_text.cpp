#include "main/scene/scene_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "i18n/text_steps.h"
#include "main/scene/scene_lines.h"

namespace dsp {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

std::string Quoted(std::string_view s) { return "\"" + std::string(s) + "\""; }

std::string ItemList(const CommandRow& row) {
    std::string list;
    for (std::string_view item : row.items) list += (list.empty() ? "" : ", ") + std::string(item);
    return list;
}

// Plain decimal digits only: a scene is edited by hand, and "0x1F" or "+5"
// there is more likely a slip than a wish.
std::optional<int> ParseDecimal(std::string_view text) {
    if (text.empty() || text.size() > 6 ||
        !std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// The value of `row` in `text`, or the reason it is not one.
std::optional<int> ParseValue(const CommandRow& row, std::string_view text, std::string& reason) {
    std::string where = std::string(row.name) + " = " + Quoted(text) + ": ";
    if (!row.items.empty()) {
        if (std::optional<int> item = FindItem(row, text)) return item;
        reason = where + "not one of " + ItemList(row);
        return std::nullopt;
    }
    std::optional<int> value = ParseDecimal(text);
    if (!value) {
        reason = where + "not a whole number";
    } else if (*value < row.minValue || *value > row.maxValue) {
        reason = where + "out of range " + std::to_string(row.minValue) + ".." + std::to_string(row.maxValue);
        value.reset();
    }
    return value;
}

class Reader {
  public:
    bool Line(int number, std::string_view raw, SceneTextError& error);
    Scene& Result() { return scene_; }

  private:
    bool Text(std::string_view key, std::string_view value, std::string& reason);
    bool Setting(std::string_view key, std::string_view value, std::string& reason);

    Scene scene_;
    bool haveName_ = false;
    bool haveNotes_ = false;
};

bool Reader::Line(int number, std::string_view raw, SceneTextError& error) {
    error.line = number;
    if (raw.find('\0') != std::string_view::npos || !IsValidUtf8(raw)) {
        error.reason = "not UTF-8 text";
        return false;
    }
    std::string_view line = TrimBlanks(raw);
    if (number == 1) {
        if (line.starts_with(kBom)) line = TrimBlanks(line.substr(kBom.size()));
        if (line == kSceneHeader) return true;
        error.reason = line.starts_with("# dsp-panel scene ")
                           ? "a scene version this program does not know"
                           : "not a scene: the first line must be " + Quoted(kSceneHeader);
        return false;
    }
    if (line.empty() || line.front() == '#') return true;
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) {
        error.reason = "not a NAME = VALUE line";
        return false;
    }
    const std::string_view key = TrimBlanks(line.substr(0, eq));
    const std::string_view value = TrimBlanks(line.substr(eq + 1));
    if (key == "name" || key == "notes") return Text(key, value, error.reason);
    return Setting(key, value, error.reason);
}

bool Reader::Text(std::string_view key, std::string_view value, std::string& reason) {
    bool& seen = key == "name" ? haveName_ : haveNotes_;
    if (seen) {
        reason = std::string(key) + " is given twice";
        return false;
    }
    seen = true;
    if (key == "name")
        scene_.SetName(std::string(value));
    else
        scene_.SetNotes(std::string(value));
    return true;
}

bool Reader::Setting(std::string_view key, std::string_view value, std::string& reason) {
    const CommandRow* row = FindParameterName(key);
    if (row == nullptr) {
        reason = "unknown parameter " + Quoted(key);
        return false;
    }
    if (!IsSceneParameter(*row)) {
        reason = std::string(row->name) + " is an action of the unit's memories, not a setting";
        return false;
    }
    if (scene_.Value(*row)) {
        reason = std::string(row->name) + " is given twice";
        return false;
    }
    std::optional<int> parsed = ParseValue(*row, value, reason);
    if (parsed) scene_.Set(*row, *parsed);
    return parsed.has_value();
}

}  // namespace

SceneTextResult ReadSceneText(std::string_view text) {
    SceneTextResult result;
    if (text.empty()) {
        result.error = {1, "empty file: the first line must be " + Quoted(kSceneHeader)};
        return result;
    }
    Reader reader;
    if (!ForEachLine(
            text, [&](int number, std::string_view line) { return reader.Line(number, line, result.error); }))
        return result;
    result.scene = std::move(reader.Result());
    return result;
}

std::string SceneValueText(const CommandRow& row, int value) {
    if (!row.items.empty()) return FormatCommandValue(row, value);
    return std::to_string(value);
}

std::string WriteSceneText(const Scene& scene) {
    std::string text = std::string(kSceneHeader) + "\n";
    if (!scene.Name().empty()) text += "name = " + scene.Name() + "\n";
    if (!scene.Notes().empty()) text += "notes = " + scene.Notes() + "\n";
    for (const SceneSetting& s : scene.Settings())
        text += std::string(s.row->name) + " = " + SceneValueText(*s.row, s.value) + "\n";
    return text;
}

}  // namespace dsp
