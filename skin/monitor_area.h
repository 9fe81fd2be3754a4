#pragma once
// The monitor area a skinned frame maximizes to: with several displays, the
// work area or whole rectangle of the display nearest the window; with one,
// the desktop's work area or the whole screen from (0, 0).

#include <span>

#include "platform/framework/control.h"
#include "platform/framework/host.h"

namespace dsp {

enum class MonitorPart { WorkArea, Whole };

// `window` in screen coordinates. Nearest is the display sharing the most
// area with the window, or, when none does, the one closest to it. An empty
// display list gives an empty rectangle.
Rect MonitorArea(const Rect& window, MonitorPart part, std::span<const MonitorInfo> monitors);

// For a control on the screen, from the application's displays.
Rect MonitorArea(const TControl& window, MonitorPart part);

}  // namespace dsp
