#pragma once
// The framework's message box (message_box_look.h) as a window of its own: no
// system frame, on top, dragged by its caption strip. It runs a message loop
// of its own until OK is clicked, Enter, Space or Escape is pressed or the box
// is closed; the program's other windows meanwhile repaint themselves.

#include <string>

#include "platform/framework/message_box_look.h"
#include "platform/hosts/win32/win32_api.h"
#include "platform/hosts/win32/win32_window_class.h"

namespace dsp {

class Win32MessageBox final : private Win32MessageTarget {
  public:
    Win32MessageBox(const std::wstring& className, MessageBoxLook& look, const std::string& caption,
                    const std::string& text, const MessageBoxLayout& layout);
    ~Win32MessageBox() override;
    Win32MessageBox(const Win32MessageBox&) = delete;
    Win32MessageBox& operator=(const Win32MessageBox&) = delete;

    // False when no window could be made for it.
    bool Opened() const { return window_ != nullptr; }
    // Returns when the box is dismissed. A request to quit that comes
    // meanwhile dismisses the box and is put back for the program's loop.
    void Run();

  private:
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc);
    void Redraw();

    MessageBoxLook& look_;
    std::string caption_;
    std::string text_;
    MessageBoxLayout layout_;
    HWND window_ = nullptr;
    bool pressed_ = false;
    bool done_ = false;
};

}  // namespace dsp
