#include "platform/hosts/win32/win32_cursor.h"

#include "platform/framework/messages.h"

namespace dsp {

LPCWSTR SystemCursorName(TCursor cursor) {
    // In the order of TCursor: IDC_ARROW (twice), IDC_IBEAM, IDC_HAND,
    // IDC_SIZEWE, IDC_SIZENS, IDC_SIZENWSE, IDC_SIZENESW (the wide names;
    // the header's IDC_ macros are the narrow ones).
    static const int kIds[] = {32512, 32512, 32513, 32649, 32644, 32645, 32642, 32643};
    static_assert(sizeof(kIds) / sizeof(kIds[0]) == static_cast<int>(TCursor::crSizeNESW) + 1);
    return MAKEINTRESOURCEW(kIds[static_cast<int>(cursor)]);
}

void ShowSystemCursor(TCursor cursor) {
    // The system's shared cursors: loaded once by the system, never freed.
    ::SetCursor(LoadCursorW(nullptr, SystemCursorName(cursor)));
}

std::optional<TCursor> CursorForSetCursor(int hitCode, TCursor chosen) {
    if (hitCode == kHtClient) return CursorForHitCode(kHtClient, chosen);
    if (hitCode >= kHtLeft && hitCode <= kHtBottomRight) return CursorForHitCode(hitCode, TCursor::crArrow);
    return std::nullopt;
}

}  // namespace dsp
