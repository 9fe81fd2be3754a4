#include "main/scene/scene.h"

#include <algorithm>
#include <cctype>

namespace dsp {
namespace {

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::toupper(x) == std::toupper(y); });
}

// Rows live in one static table, so their addresses order them as the table does.
bool Before(const SceneSetting& setting, const CommandRow* row) { return setting.row < row; }

}  // namespace

bool IsSceneParameter(const CommandRow& row) { return row.name != "LOAD" && row.name != "SAVE"; }

const CommandRow* FindParameterName(std::string_view name) {
    auto it = std::ranges::find_if(CommandTable(),
                                   [&](const CommandRow& row) { return EqualsIgnoreCase(row.name, name); });
    return it == CommandTable().end() ? nullptr : &*it;
}

std::optional<int> FindItem(const CommandRow& row, std::string_view text) {
    auto it =
        std::ranges::find_if(row.items, [&](std::string_view item) { return EqualsIgnoreCase(item, text); });
    if (it == row.items.end()) return std::nullopt;
    return static_cast<int>(it - row.items.begin());
}

void Scene::Set(const CommandRow& row, int value) {
    auto it = std::lower_bound(settings_.begin(), settings_.end(), &row, Before);
    if (it != settings_.end() && it->row == &row)
        it->value = value;
    else
        settings_.insert(it, SceneSetting{&row, value});
}

void Scene::Remove(const CommandRow& row) {
    std::erase_if(settings_, [&](const SceneSetting& s) { return s.row == &row; });
}

std::optional<int> Scene::Value(const CommandRow& row) const {
    auto it = std::lower_bound(settings_.begin(), settings_.end(), &row, Before);
    if (it == settings_.end() || it->row != &row) return std::nullopt;
    return it->value;
}

bool Scene::operator==(const Scene& other) const {
    auto same = [](const SceneSetting& a, const SceneSetting& b) {
        return a.row == b.row && a.value == b.value;
    };
    return name_ == other.name_ && notes_ == other.notes_ &&
           std::ranges::equal(settings_, other.settings_, same);
}

}  // namespace dsp
