#include "platform/framework/mouse_message.h"

#include "platform/framework/control.h"

namespace dsp {
namespace {

// Each button's messages come in threes (down, up, double-click) from its
// base number; a move stands alone.
struct ButtonBase {
    uint32_t base;
    TMouseButton button;
    bool nonClient;
};
constexpr ButtonBase kButtonBases[] = {
    {kWmLButtonDown, TMouseButton::mbLeft, false},   {kWmRButtonDown, TMouseButton::mbRight, false},
    {kWmMButtonDown, TMouseButton::mbMiddle, false}, {kWmNcLButtonDown, TMouseButton::mbLeft, true},
    {kWmNcRButtonDown, TMouseButton::mbRight, true},
};
constexpr MouseAction kActions[] = {MouseAction::Down, MouseAction::Up, MouseAction::DoubleClick};

bool MeasuredOnScreen(uint32_t msg) {
    return msg == kWmNcHitTest || msg == kWmMouseWheel ||
           (msg >= kWmNcMouseMove && msg <= kWmNcRButtonDblClk);
}

}  // namespace

Point MousePoint::Screen(const TControl& target) const {
    return screen_ ? point_ : target.ClientToScreen(point_);
}

Point MousePoint::Client(const TControl& target) const {
    return screen_ ? target.ScreenToClient(point_) : point_;
}

std::optional<MousePoint> PointOf(const TMessage& m) {
    const bool screen = MeasuredOnScreen(m.Msg);
    if (!screen && !DecodeMouse(m)) return std::nullopt;
    const Point p{LParamX(m.LParam), LParamY(m.LParam)};
    return screen ? MousePoint::OnScreen(p) : MousePoint::InClient(p);
}

std::optional<MouseMessage> DecodeMouse(const TMessage& m) {
    MouseMessage mouse;
    const Point p{LParamX(m.LParam), LParamY(m.LParam)};
    auto place = [&](bool nonClient) {
        mouse.nonClient = nonClient;
        mouse.point = nonClient ? MousePoint::OnScreen(p) : MousePoint::InClient(p);
        if (nonClient)
            mouse.hitCode = static_cast<int>(m.WParam);
        else
            mouse.shift = KeysToShift(m.WParam);
        return mouse;
    };
    if (m.Msg == kWmMouseMove || m.Msg == kWmNcMouseMove) return place(m.Msg == kWmNcMouseMove);
    for (const ButtonBase& b : kButtonBases) {
        if (m.Msg < b.base || m.Msg >= b.base + 3) continue;
        mouse.action = kActions[m.Msg - b.base];
        mouse.button = b.button;
        return place(b.nonClient);
    }
    return std::nullopt;
}

uint32_t MouseMessageNumber(MouseAction action, TMouseButton button, bool nonClient) {
    if (action == MouseAction::Move) return nonClient ? kWmNcMouseMove : kWmMouseMove;
    for (const ButtonBase& b : kButtonBases) {
        if (b.button != button || b.nonClient != nonClient) continue;
        for (uint32_t i = 0; i < 3; ++i)
            if (kActions[i] == action) return b.base + i;
    }
    return kWmNull;
}

}  // namespace dsp
