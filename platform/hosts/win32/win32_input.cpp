#include "platform/hosts/win32/win32_input.h"

#include "platform/sys/win32/wide_text.h"

namespace dsp {
namespace {

bool Held(int key) { return (GetKeyState(key) & 0x8000) != 0; }

// The mouse messages a window turns into host events.
struct MouseMessageKind {
    UINT message;
    HostEvent::Kind kind;
    TMouseButton button;
};
constexpr MouseMessageKind kMouseMessages[] = {
    {WM_LBUTTONDOWN, HostEvent::Kind::MouseDown, TMouseButton::mbLeft},
    {WM_LBUTTONUP, HostEvent::Kind::MouseUp, TMouseButton::mbLeft},
    {WM_RBUTTONDOWN, HostEvent::Kind::MouseDown, TMouseButton::mbRight},
    {WM_RBUTTONUP, HostEvent::Kind::MouseUp, TMouseButton::mbRight},
    {WM_MBUTTONDOWN, HostEvent::Kind::MouseDown, TMouseButton::mbMiddle},
    {WM_MBUTTONUP, HostEvent::Kind::MouseUp, TMouseButton::mbMiddle},
    {WM_MOUSEMOVE, HostEvent::Kind::MouseMove, TMouseButton::mbLeft},  // the event's default button
};

bool ButtonMessage(UINT message, HostEvent& event) {
    for (const MouseMessageKind& m : kMouseMessages) {
        if (m.message != message) continue;
        event.kind = m.kind;
        event.button = m.button;
        return true;
    }
    return false;
}

}  // namespace

TShiftState CurrentShift() {
    TShiftState s = 0;
    if (Held(VK_SHIFT)) s |= ssShift;
    if (Held(VK_CONTROL)) s |= ssCtrl;
    if (Held(VK_MENU)) s |= ssAlt;
    return s;
}

bool MouseEventFromMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, HostEvent& event) {
    event.shift = CurrentShift();
    if (message == WM_MOUSEWHEEL) {
        // The wheel's position is on the screen already.
        event.kind = HostEvent::Kind::Wheel;
        event.wheelDelta = GET_WHEEL_DELTA_WPARAM(wParam);
        event.screen = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        return event.wheelDelta != 0;
    }
    if (!ButtonMessage(message, event)) return false;
    // Client coordinates, negative too while the mouse is captured.
    POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(window, &p);
    event.screen = {p.x, p.y};
    return true;
}

bool KeyEventFromMessage(UINT message, WPARAM wParam, LPARAM lParam, HostEvent& event) {
    const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
    if (!down && message != WM_KEYUP && message != WM_SYSKEYUP) return false;
    event.kind = down ? HostEvent::Kind::KeyDown : HostEvent::Kind::KeyUp;
    event.key = static_cast<uint16_t>(wParam);
    // Bit 30: the key was already down (an auto-repeat).
    event.repeat = down && (lParam & (1L << 30)) != 0;
    event.shift = CurrentShift();
    return event.key != 0;
}

bool TypedText::Add(wchar_t unit, std::string& utf8) {
    if (unit >= 0xD800 && unit <= 0xDBFF) {
        high_ = unit;
        return false;
    }
    std::wstring character;
    if (unit >= 0xDC00 && unit <= 0xDFFF) {
        if (!high_) return false;
        character = {high_, unit};
    } else {
        character = {unit};
    }
    high_ = 0;
    if (unit < 0x20 || unit == 0x7F) return false;
    utf8 = Narrow(character);
    return true;
}

}  // namespace dsp
