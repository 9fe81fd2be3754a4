#pragma once
// The pointer over a window: the system's shapes for the framework's
// cursors, and the shape WM_SETCURSOR shows for each place of the window.

#include <optional>

#include "platform/framework/cursor.h"
#include "platform/hosts/win32/win32_api.h"

namespace dsp {

// The system cursor's resource name (IDC_...) for a shape; crDefault is the
// arrow.
LPCWSTR SystemCursorName(TCursor cursor);
// Shows the system's cursor for a shape now.
void ShowSystemCursor(TCursor cursor);

// What WM_SETCURSOR shows over a place the window's WM_NCHITTEST answered
// `hitCode` for. The client area (the skinned frame included: the form hit
// tests that itself) shows `chosen`, the shape the framework last asked
// for on its own mouse moves. The sizing borders, whose moves go to the
// system and never reach the framework, show their arrows. Anything else is
// the system's (nullopt).
std::optional<TCursor> CursorForSetCursor(int hitCode, TCursor chosen);

}  // namespace dsp
