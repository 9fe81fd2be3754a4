#include "platform/hosts/win32/win32_window_class.h"

#include <stdexcept>

#include "platform/sys/win32/wide_text.h"

namespace dsp {
namespace {

// The icon the program's resource script names 1.
constexpr int kProgramIconId = 1;

LRESULT CALLBACK HostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* target = reinterpret_cast<Win32MessageTarget*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!target) return DefWindowProcW(window, message, wParam, lParam);
    return target->HandleMessage(window, message, wParam, lParam);
}

HICON ProgramIcon(HINSTANCE instance, int size) {
    return static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(kProgramIconId), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

}  // namespace

void RegisterHostWindowClass(const std::wstring& className) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(instance, className.c_str(), &existing)) return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    // No CS_DBLCLKS: the framework tells double-clicks from two presses itself,
    // on its own clock, as it does on every host.
    wc.lpfnWndProc = HostWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hIcon = ProgramIcon(instance, GetSystemMetrics(SM_CXICON));
    wc.hIconSm = ProgramIcon(instance, GetSystemMetrics(SM_CXSMICON));
    wc.lpszClassName = className.c_str();
    if (!RegisterClassExW(&wc))
        throw std::runtime_error("cannot register the window class (" + WinErrorText(GetLastError()) + ")");
}

HWND CreateHostWindow(const std::wstring& className, Win32MessageTarget& target, DWORD style, DWORD exStyle,
                      int x, int y, int width, int height, const std::wstring& title) {
    return CreateWindowExW(exStyle, className.c_str(), title.c_str(), style, x, y, width, height, nullptr,
                           nullptr, GetModuleHandleW(nullptr), &target);
}

BITMAPINFO TopDownBitmapInfo(int width, int rows) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -rows;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

void DestroyHostWindow(HWND window) {
    if (!window) return;
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
}

}  // namespace dsp
