#include "controls/skin_sections.h"

#include <array>

namespace dsp {
namespace {

constexpr std::array<const char*, 18> kNames = {
    "button",   "trackbar",       "htrackbar", "slider",      "edit",       "spinedit",
    "combobox", "statuscombobox", "listbox",   "vscrollbar",  "hscrollbar", "panel",
    "groupbox", "statusbar",      "label",     "statuspanel", "stdlabel",   "bevel",
};

}  // namespace

std::string SkinSectionName(SkinSection section) { return kNames.at(static_cast<std::size_t>(section)); }

}  // namespace dsp
