#pragma once
// A scene: values for some or all of the panel's parameters, with an optional
// title and notes. Settings are kept in command-table order, so a scene
// written out always lists its parameters the same way and two scenes diff
// line by line.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "main/protocol/command_table.h"

namespace dsp {

struct SceneSetting {
    const CommandRow* row;
    int value;
};

// LOAD and SAVE make the unit act on its memories: actions, not state, so no
// scene holds them.
bool IsSceneParameter(const CommandRow& row);

// A row by its parameter name only (any letter case): in files and lists a
// code number is no name.
const CommandRow* FindParameterName(std::string_view name);

// The index of a list parameter's item text (any letter case).
std::optional<int> FindItem(const CommandRow& row, std::string_view text);

class Scene {
  public:
    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    const std::string& Notes() const { return notes_; }
    void SetNotes(std::string notes) { notes_ = std::move(notes); }

    // Adds or replaces the value of a scene parameter (the caller keeps it in
    // the row's range).
    void Set(const CommandRow& row, int value);
    void Remove(const CommandRow& row);
    std::optional<int> Value(const CommandRow& row) const;
    const std::vector<SceneSetting>& Settings() const { return settings_; }

    bool operator==(const Scene& other) const;

  private:
    std::string name_;
    std::string notes_;
    std::vector<SceneSetting> settings_;
};

}  // namespace dsp
