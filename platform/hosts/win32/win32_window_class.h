#pragma once
// The window class every window of the host belongs to, and the one window
// procedure that hands each message to the object behind the window.

#include <string>

#include "platform/hosts/win32/win32_api.h"

namespace dsp {

// What stands behind one window: the program's form window or a message box.
class Win32MessageTarget {
  public:
    virtual ~Win32MessageTarget() = default;
    // Answers a message; unhandled ones go to DefWindowProc.
    virtual LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
};

// Registers the class once per process (the icon is the program's resource 1,
// when it has one). Throws std::runtime_error with the system's reason when
// the class cannot be registered.
void RegisterHostWindowClass(const std::wstring& className);

// Creates a window of the class whose messages go to `target`, from
// WM_NCCREATE on. Null with GetLastError set on failure.
HWND CreateHostWindow(const std::wstring& className, Win32MessageTarget& target, DWORD style, DWORD exStyle,
                      int x, int y, int width, int height, const std::wstring& title);

// Describes `rows` rows of 32-bit pixels, `width` wide, first row on top: the
// layout of the framework's bitmaps, which go to the screen unconverted.
BITMAPINFO TopDownBitmapInfo(int width, int rows);

// Detaches the window from its target, so messages that arrive while it is
// destroyed reach no object, and destroys it.
void DestroyHostWindow(HWND window);

}  // namespace dsp
