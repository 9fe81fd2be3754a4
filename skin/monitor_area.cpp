#include "skin/monitor_area.h"

#include <cstdint>

#include "platform/framework/application.h"
#include "platform/framework/win_control.h"

namespace dsp {
namespace {

std::int64_t OverlapArea(const Rect& a, const Rect& b) {
    const Rect r = Intersect(a, b);
    return std::int64_t(r.Width()) * r.Height();
}

// The gap between two rectangles along one axis (0 when they overlap there).
std::int64_t Gap(int aFrom, int aTo, int bFrom, int bTo) {
    if (aTo <= bFrom) return std::int64_t(bFrom) - aTo;
    if (bTo <= aFrom) return std::int64_t(aFrom) - bTo;
    return 0;
}

std::int64_t DistanceSquared(const Rect& a, const Rect& b) {
    const std::int64_t dx = Gap(a.left, a.right, b.left, b.right);
    const std::int64_t dy = Gap(a.top, a.bottom, b.top, b.bottom);
    return dx * dx + dy * dy;
}

const MonitorInfo& Nearest(const Rect& window, std::span<const MonitorInfo> monitors) {
    const MonitorInfo* best = &monitors.front();
    std::int64_t bestOverlap = -1;
    std::int64_t bestDistance = 0;
    for (const MonitorInfo& m : monitors) {
        const std::int64_t overlap = OverlapArea(window, m.bounds);
        const std::int64_t distance = DistanceSquared(window, m.bounds);
        if (overlap > bestOverlap || (overlap == 0 && bestOverlap == 0 && distance < bestDistance)) {
            best = &m;
            bestOverlap = overlap;
            bestDistance = distance;
        }
    }
    return *best;
}

Rect ScreenBounds(const TControl& control) {
    const Point at = control.Parent() ? control.Parent()->ClientToScreen(control.BoundsRect().TopLeft())
                                      : control.BoundsRect().TopLeft();
    return Rect::FromOriginSize(at.x, at.y, control.Width(), control.Height());
}

}  // namespace

Rect MonitorArea(const Rect& window, MonitorPart part, std::span<const MonitorInfo> monitors) {
    if (monitors.empty()) return {};
    if (monitors.size() == 1) {
        const MonitorInfo& only = monitors.front();
        if (part == MonitorPart::WorkArea) return only.workArea;
        return {0, 0, only.bounds.Width(), only.bounds.Height()};
    }
    const MonitorInfo& m = Nearest(window, monitors);
    return part == MonitorPart::WorkArea ? m.workArea : m.bounds;
}

Rect MonitorArea(const TControl& window, MonitorPart part) {
    return MonitorArea(ScreenBounds(window), part, AppMonitors());
}

}  // namespace dsp
