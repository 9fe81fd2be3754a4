#include "platform/hosts/win32/win32_window.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "platform/framework/form.h"
#include "platform/framework/messages.h"
#include "platform/hosts/win32/win32_cursor.h"
#include "platform/hosts/win32/win32_host.h"
#include "platform/sys/win32/wide_text.h"

namespace dsp {
namespace {

// The sizing borders go to the system, which sizes the window itself; every
// other place, the caption included, is the form's to handle as client
// input. The form moves the window itself when the caption is dragged and
// hears its double-clicks (see BeginSystemMove).
bool SizingCode(intptr_t code) { return code >= kHtLeft && code <= kHtBottomRight; }

DWORD StyleFor(const TForm& form) {
    if (form.NativeFrame()) return WS_OVERLAPPEDWINDOW;
    // The system menu and minimize box give the taskbar button its commands;
    // without a caption they draw nothing.
    return form.IsPopup() ? WS_POPUP : WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX;
}

// A drop-down list never takes the activation from the window it belongs to.
DWORD ExStyleFor(const TForm& form) {
    return form.IsPopup() ? WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE : WS_EX_APPWINDOW;
}

// One region call for the whole shape: the system copies the rectangles.
HRGN RegionFromRects(const std::vector<Rect>& rects) {
    std::vector<char> buffer(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = DWORD(rects.size());
    data->rdh.nRgnSize = DWORD(rects.size() * sizeof(RECT));
    RECT bounds{0, 0, 0, 0};
    auto* out = reinterpret_cast<RECT*>(data->Buffer);
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const Rect& r = rects[i];
        out[i] = {r.left, r.top, r.right, r.bottom};
        bounds = {std::min(bounds.left, LONG(r.left)), std::min(bounds.top, LONG(r.top)),
                  std::max(bounds.right, LONG(r.right)), std::max(bounds.bottom, LONG(r.bottom))};
    }
    data->rdh.rcBound = bounds;
    return ExtCreateRegion(nullptr, DWORD(buffer.size()), data);
}

}  // namespace

Win32Window::Win32Window(Win32Host& host, TForm& form) : host_(host), form_(form) {
    window_ =
        CreateHostWindow(host.ClassName(), *this, StyleFor(form), ExStyleFor(form), form.Left(), form.Top(),
                         std::max(form.Width(), 1), std::max(form.Height(), 1), Widen(form.Text()));
    if (!window_) throw std::runtime_error("cannot create a window (" + WinErrorText(GetLastError()) + ")");
    host_.windows_.push_back(this);
}

Win32Window::~Win32Window() {
    std::erase(host_.windows_, this);
    host_.Forget(form_);
    DestroyHostWindow(window_);
}

void Win32Window::Queue(HostEvent::Kind kind, Point screen) {
    HostEvent e;
    e.kind = kind;
    e.form = &form_;
    e.screen = screen;
    host_.Queue(std::move(e));
}

// Where the pointer is now, as a move: the framework knows the pointer only
// from moves, and after it left the window or the window went to the taskbar
// no move comes; without this the frame's hover poll would keep seeing it
// where it was last, and a restored window its caption button hot.
void Win32Window::QueuePointer() {
    POINT p;
    if (!GetCursorPos(&p)) return;
    HostEvent e;
    e.kind = HostEvent::Kind::MouseMove;
    e.form = &form_;
    e.screen = {p.x, p.y};
    e.shift = CurrentShift();
    host_.Queue(std::move(e));
}

void Win32Window::SetBounds(const Rect& r) {
    SetWindowPos(window_, nullptr, r.left, r.top, std::max(r.Width(), 1), std::max(r.Height(), 1),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Window::SetVisible(bool visible) {
    if (!visible) {
        ShowWindow(window_, SW_HIDE);
        return;
    }
    ShowWindow(window_, form_.IsPopup() ? SW_SHOWNOACTIVATE : SW_SHOW);
}

void Win32Window::SetTitle(const std::string& title) { SetWindowTextW(window_, Widen(title).c_str()); }

void Win32Window::Draw(HDC dc, const Rect& r) const {
    const Rect cut{std::max(r.left, 0), std::max(r.top, 0), std::min(r.right, shown_.Width()),
                   std::min(r.bottom, shown_.Height())};
    if (cut.IsEmpty()) return;
    // The source is just the rectangle's rows, so the row arithmetic of
    // top-down bitmaps never comes into it.
    const BITMAPINFO info = TopDownBitmapInfo(shown_.Width(), cut.Height());
    SetDIBitsToDevice(dc, cut.left, cut.top, DWORD(cut.Width()), DWORD(cut.Height()), cut.left, 0, 0,
                      UINT(cut.Height()), shown_.Row(cut.top), &info, DIB_RGB_COLORS);
}

void Win32Window::Present(const Bitmap& frame, const Region& dirty) {
    if (frame.Empty()) return;
    const bool resized = frame.Width() != shown_.Width() || frame.Height() != shown_.Height();
    if (resized) shown_ = frame;
    const std::vector<Rect> rects = resized ? std::vector<Rect>{frame.Bounds()} : dirty.Rects();
    HDC dc = GetDC(window_);
    for (const Rect& r : rects) {
        const Rect cut{std::max(r.left, 0), std::max(r.top, 0), std::min(r.right, frame.Width()),
                       std::min(r.bottom, frame.Height())};
        if (cut.IsEmpty()) continue;
        if (!resized)
            for (int y = cut.top; y < cut.bottom; ++y)
                std::memcpy(shown_.Row(y) + cut.left, frame.Row(y) + cut.left, sizeof(Pixel) * cut.Width());
        Draw(dc, cut);
    }
    ReleaseDC(window_, dc);
}

void Win32Window::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window_, &ps);
    if (shown_.Empty())
        Queue(HostEvent::Kind::Expose);
    else
        Draw(dc, {ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right, ps.rcPaint.bottom});
    EndPaint(window_, &ps);
}

void Win32Window::SetShape(const Region* shape) {
    // The system owns the region from here on.
    SetWindowRgn(window_, shape ? RegionFromRects(shape->Rects()) : nullptr, TRUE);
}

void Win32Window::Activate() {
    if (form_.IsPopup()) return;
    SetForegroundWindow(window_);
    SetFocus(window_);
}

void Win32Window::SetCapture(bool capture) {
    if (capture)
        ::SetCapture(window_);
    else if (GetCapture() == window_)
        ReleaseCapture();
}

void Win32Window::Minimize() {
    if (!IsIconic(window_)) ShowWindow(window_, SW_MINIMIZE);
}

void Win32Window::Restore() {
    if (IsIconic(window_)) ShowWindow(window_, SW_RESTORE);
}

// The system's move loop is modal: while it ran, the program's own loop, its
// timers and the line's events would stand still. The form moves the window
// itself, with the mouse captured.
bool Win32Window::BeginSystemMove(Point) { return false; }

// A layered window's alpha; at full opacity the window stops being layered,
// which costs nothing to draw.
bool Win32Window::SetOpacity(int alpha) {
    alpha = std::clamp(alpha, 0, 255);
    const LONG_PTR ex = GetWindowLongPtrW(window_, GWL_EXSTYLE);
    if (alpha == 255) {
        if (ex & WS_EX_LAYERED) SetWindowLongPtrW(window_, GWL_EXSTYLE, ex & ~LONG_PTR(WS_EX_LAYERED));
        return true;
    }
    if (!(ex & WS_EX_LAYERED)) SetWindowLongPtrW(window_, GWL_EXSTYLE, ex | WS_EX_LAYERED);
    return SetLayeredWindowAttributes(window_, 0, BYTE(alpha), LWA_ALPHA) != 0;
}

void Win32Window::SetCursor(TCursor cursor) {
    cursor_ = cursor;
    ShowSystemCursor(cursor);
}

// WM_SETCURSOR, sent before every move: without an answer the system would
// put the class's arrow back each time, between the framework's shapes.
bool Win32Window::ShowCursorAt(WPARAM over, LPARAM codes) const {
    if (reinterpret_cast<HWND>(over) != window_) return false;
    const std::optional<TCursor> shape = CursorForSetCursor(static_cast<short>(LOWORD(codes)), cursor_);
    if (!shape) return false;
    ShowSystemCursor(*shape);
    return true;
}

LRESULT Win32Window::HitTest(LPARAM lParam) const {
    if (form_.NativeFrame() || form_.IsPopup()) return HTCLIENT;
    try {
        const intptr_t code =
            form_.Perform(kWmNcHitTest, 0, MakeLParam(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
        return SizingCode(code) ? LRESULT(code) : HTCLIENT;
    } catch (...) {
        // Nothing may unwind through the system; the press arrives as a plain one.
        return HTCLIENT;
    }
}

void Win32Window::SizeChanged(WPARAM kind, LPARAM size) {
    if (kind == SIZE_MINIMIZED) {
        if (!iconic_) {
            QueuePointer();
            Queue(HostEvent::Kind::Minimized);
        }
        iconic_ = true;
        return;
    }
    if (iconic_) {
        iconic_ = false;
        Queue(HostEvent::Kind::Restored);
    }
    const Point extent{LOWORD(size), HIWORD(size)};
    if (extent != Point{form_.Width(), form_.Height()}) Queue(HostEvent::Kind::Resized, extent);
}

bool Win32Window::HandleInput(UINT message, WPARAM wParam, LPARAM lParam) {
    HostEvent e;
    e.form = &form_;
    if (message == WM_CHAR) {
        if (!typed_.Add(wchar_t(wParam), e.text)) return true;
        e.kind = HostEvent::Kind::Text;
    } else if (message == WM_MOUSELEAVE) {
        trackingLeave_ = false;
        QueuePointer();
        e.kind = HostEvent::Kind::Leave;
    } else if (MouseEventFromMessage(window_, message, wParam, lParam, e)) {
        if (message == WM_MOUSEMOVE && !trackingLeave_) {
            TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window_, 0};
            trackingLeave_ = TrackMouseEvent(&track) != 0;
        }
    } else if (!KeyEventFromMessage(message, wParam, lParam, e)) {
        return false;
    }
    host_.Queue(std::move(e));
    return true;
}

LRESULT Win32Window::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCHITTEST:
            return HitTest(lParam);
        case WM_PAINT:
            Paint();
            return 0;
        case WM_SETCURSOR:
            if (ShowCursorAt(wParam, lParam)) return TRUE;
            break;
        case WM_ERASEBKGND:
            return 1;  // every pixel comes from the form
        case WM_CLOSE:
            Queue(HostEvent::Kind::Close);
            return 0;
        case WM_MOUSEACTIVATE:
            if (form_.IsPopup()) return MA_NOACTIVATE;
            break;
        case WM_ACTIVATE:
            if (!form_.IsPopup())
                Queue(LOWORD(wParam) == WA_INACTIVE ? HostEvent::Kind::Deactivate
                                                    : HostEvent::Kind::Activate);
            break;
        case WM_MOVE:
            if (!IsIconic(window)) {
                RECT r;
                GetWindowRect(window, &r);
                if (Point{r.left, r.top} != Point{form_.Left(), form_.Top()})
                    Queue(HostEvent::Kind::Moved, {r.left, r.top});
            }
            return 0;
        case WM_SIZE:
            SizeChanged(wParam, lParam);
            return 0;
        case WM_GETMINMAXINFO: {
            // A rolled-up window is only its caption high; the system's
            // smallest tracking size would hold it open.
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            info->ptMinTrackSize = {1, 1};
            return 0;
        }
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP:
        case WM_SYSCHAR:
            // Alt combinations are the form's (its Alt+F4 closes it); the
            // system would open a window menu there is none of.
            HandleInput(message, wParam, lParam);
            return 0;
        default:
            if (HandleInput(message, wParam, lParam)) return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace dsp
