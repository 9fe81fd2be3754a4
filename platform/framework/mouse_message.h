#pragma once
// Mouse messages decoded in one place. The hit test, the wheel and the
// non-client mouse messages measure their point on the screen; the client
// mouse messages measure it in the target's client area. A MousePoint keeps
// the space it was measured in, so a handler asks for the space it needs and
// never decodes a message's LParam itself.

#include <cstdint>
#include <optional>

#include "platform/framework/keys.h"
#include "platform/framework/messages.h"
#include "platform/graphics/geometry.h"

namespace dsp {

class TControl;

class MousePoint {
  public:
    static MousePoint OnScreen(Point p) { return {p, true}; }
    static MousePoint InClient(Point p) { return {p, false}; }

    Point Screen(const TControl& target) const;
    Point Client(const TControl& target) const;
    // Packed for a message's LParam.
    intptr_t Pack() const { return MakeLParam(point_.x, point_.y); }

  private:
    MousePoint(Point p, bool screen) : point_(p), screen_(screen) {}
    Point point_;
    bool screen_;
};

enum class MouseAction { Move, Down, Up, DoubleClick };

struct MouseMessage {
    MouseAction action = MouseAction::Move;
    TMouseButton button = TMouseButton::mbLeft;  // of a press or release
    bool nonClient = false;
    int hitCode = kHtClient;  // where a non-client message is
    TShiftState shift = 0;    // keys and buttons held (client messages)
    MousePoint point = MousePoint::OnScreen({});
};

// The point of any message that carries one (mouse, hit test, wheel).
std::optional<MousePoint> PointOf(const TMessage& m);
// A mouse move, press, release or double-click; nothing for other messages.
std::optional<MouseMessage> DecodeMouse(const TMessage& m);
// The number of the message for a button event; kWmNull where there is
// none (the middle button has no non-client messages).
uint32_t MouseMessageNumber(MouseAction action, TMouseButton button, bool nonClient);

}  // namespace dsp
