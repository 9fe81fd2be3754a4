#pragma once
// Stand-in for the container and text classes whose skinned controls are not
// built yet (group boxes, panels, the status bar and its panels, labels,
// bevels): a plain windowed control that keeps its caption and bounds and
// paints its colour, so the window's tree, texts and enabled states are
// complete. Each class leaves this list when its real control arrives.

#include "platform/framework/win_control.h"

namespace dsp {

inline constexpr const char* kStandInClasses[] = {
    "TbsSkinGroupBox", "TbsSkinPanel", "TbsSkinStatusBar", "TbsSkinStatusPanel", "TbsSkinStdLabel", "TbsSkinBevel",
};

class TLayoutStandIn : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void Paint() override;
};

} // namespace dsp
