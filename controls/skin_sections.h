#pragma once
// The skin section names the controls ask for by default, in one table.
// The window's stored layout names the same sections for its controls.

#include <string>

namespace dsp {

enum class SkinSection {
    Button,
    TrackBar,
    HTrackBar,
    Slider,
    Edit,
    SpinEdit,
    ComboBox,
    StatusComboBox,
    ListBox,
    VScrollBar,
    HScrollBar,
    Panel,
    GroupBox,
    StatusBar,
    Label,
    StatusPanel,
    StdLabel,
    Bevel,
};

std::string SkinSectionName(SkinSection section);

}  // namespace dsp
