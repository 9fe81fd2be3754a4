#pragma once
// Win32 input messages as the framework's host events. Virtual key codes are
// the framework's own, so keys pass through unchanged.

#include "platform/framework/host.h"
#include "platform/hosts/win32/win32_api.h"

namespace dsp {

// The modifier keys held now.
TShiftState CurrentShift();

// Mouse moves, presses, releases and the wheel; false for other messages.
// Fills kind, screen position, button, wheel delta and shift.
bool MouseEventFromMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, HostEvent& event);

// Key presses and releases (with Alt held too); false for other messages.
bool KeyEventFromMessage(UINT message, WPARAM wParam, LPARAM lParam, HostEvent& event);

// Collects WM_CHAR units into typed text: a surrogate pair makes one
// character, and control characters are keys, not text.
class TypedText {
  public:
    // True when `unit` completes a character, then in `utf8`.
    bool Add(wchar_t unit, std::string& utf8);

  private:
    wchar_t high_ = 0;
};

}  // namespace dsp
