#include "skin/form/caption_drag.h"

#include <cstdlib>

#include "platform/framework/application.h"
#include "platform/framework/form.h"
#include "platform/framework/host.h"
#include "skin/monitor_area.h"

namespace dsp {
namespace {

// The pointer travel that turns a caption press into a move of the window.
constexpr int kDragThreshold = 3;

int SnapAxis(int start, int length, int areaStart, int areaEnd, int distance) {
    if (std::abs(start - areaStart) <= distance) return areaStart;
    if (std::abs(start + length - areaEnd) <= distance) return areaEnd - length;
    return start;
}

}  // namespace

Point SnapToEdges(const Rect& bounds, const Rect& area, int distance) {
    if (distance <= 0 || area.IsEmpty()) return bounds.TopLeft();
    return {SnapAxis(bounds.left, bounds.Width(), area.left, area.right, distance),
            SnapAxis(bounds.top, bounds.Height(), area.top, area.bottom, distance)};
}

void CaptionDrag::Capture(bool on) {
    // The flag goes first: taking the capture away tells the window at once.
    capture_ = on;
    form_.SetMouseCapture(on);
}

void CaptionDrag::Press(Point screen, int snap) {
    pressed_ = true;
    snap_ = snap;
    moving_ = false;
    grabScreen_ = screen;
    grabWindow_ = {form_.Left(), form_.Top()};
    Capture(true);
}

void CaptionDrag::MoveTo(Point screen) {
    if (!pressed_) return;
    const Point travel = screen - grabScreen_;
    if (!moving_) {
        if (std::abs(travel.x) < kDragThreshold && std::abs(travel.y) < kDragThreshold) return;
        moving_ = true;
        // With a window manager the move is its job: hand it over, pointer
        // and all. It moves the window by the pointer's travel from the
        // press, as we would.
        if (HostWindow* host = form_.Host()) {
            Capture(false);
            if (host->BeginSystemMove(grabScreen_)) {
                pressed_ = moving_ = false;
                return;
            }
            Capture(true);
        }
    }
    Point to = grabWindow_ + travel;
    if (snap_ > 0) {
        const Rect bounds = Rect::FromOriginSize(to.x, to.y, form_.Width(), form_.Height());
        to = SnapToEdges(bounds, MonitorArea(bounds, MonitorPart::WorkArea, AppMonitors()), snap_);
    }
    form_.SetBounds(to.x, to.y, form_.Width(), form_.Height());
}

void CaptionDrag::Release() {
    if (!pressed_) return;
    pressed_ = moving_ = false;
    if (capture_) Capture(false);
}

void CaptionDrag::CaptureLost() {
    if (!capture_) return;
    capture_ = false;
    pressed_ = moving_ = false;
}

}  // namespace dsp
