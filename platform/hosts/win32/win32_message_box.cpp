#include "platform/hosts/win32/win32_message_box.h"

#include "platform/graphics/canvas.h"
#include "platform/sys/win32/wide_text.h"

namespace dsp {
namespace {

bool DismissKey(WPARAM key) { return key == VK_RETURN || key == VK_ESCAPE || key == VK_SPACE; }

Point ClientPoint(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

}  // namespace

Win32MessageBox::Win32MessageBox(const std::wstring& className, MessageBoxLook& look,
                                 const std::string& caption, const std::string& text,
                                 const MessageBoxLayout& layout)
    : look_(look), caption_(caption), text_(text), layout_(layout) {
    const Rect& b = layout_.bounds;
    window_ = CreateHostWindow(className, *this, WS_POPUP, WS_EX_TOPMOST | WS_EX_TOOLWINDOW, b.left, b.top,
                               b.Width(), b.Height(), Widen(caption_));
}

Win32MessageBox::~Win32MessageBox() { DestroyHostWindow(window_); }

void Win32MessageBox::Paint(HDC dc) {
    Bitmap picture(layout_.bounds.Width(), layout_.bounds.Height());
    Canvas canvas(picture);
    look_.Paint(canvas, layout_, caption_, text_, pressed_);
    const BITMAPINFO info = TopDownBitmapInfo(picture.Width(), picture.Height());
    SetDIBitsToDevice(dc, 0, 0, DWORD(picture.Width()), DWORD(picture.Height()), 0, 0, 0,
                      UINT(picture.Height()), picture.Data(), &info, DIB_RGB_COLORS);
}

void Win32MessageBox::Redraw() {
    HDC dc = GetDC(window_);
    Paint(dc);
    ReleaseDC(window_, dc);
}

void Win32MessageBox::Run() {
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    SetFocus(window_);
    MSG msg;
    while (!done_) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(int(msg.wParam));
            return;
        }
        if (got < 0) return;
        DispatchMessageW(&msg);
    }
    ShowWindow(window_, SW_HIDE);
}

LRESULT Win32MessageBox::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCHITTEST: {
            POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ScreenToClient(window, &p);
            return layout_.caption.Contains(Point{p.x, p.y}) ? HTCAPTION : HTCLIENT;
        }
        case WM_PAINT: {
            PAINTSTRUCT ps;
            Paint(BeginPaint(window, &ps));
            EndPaint(window, &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_CLOSE:
            done_ = true;
            return 0;
        case WM_KEYDOWN:
            if (DismissKey(wParam)) done_ = true;
            return 0;
        case WM_LBUTTONDOWN:
            pressed_ = layout_.button.Contains(ClientPoint(lParam));
            if (pressed_) SetCapture(window);
            Redraw();
            return 0;
        case WM_LBUTTONUP: {
            const bool click = pressed_ && layout_.button.Contains(ClientPoint(lParam));
            pressed_ = false;
            if (GetCapture() == window) ReleaseCapture();
            Redraw();
            done_ = click;
            return 0;
        }
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace dsp
