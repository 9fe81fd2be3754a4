#pragma once
// Window messages: one record type and the one table of message numbers,
// the framework's own and the private ones our layers send each other.
// Numbers follow the classic window-message numbering, so private numbers
// (kWmUser and up) travel through send, post and broadcast untouched.

#include <cstdint>

namespace dsp {

struct TMessage {
    uint32_t Msg = 0;
    uintptr_t WParam = 0;
    intptr_t LParam = 0;
    intptr_t Result = 0;
};

// Message numbers.
inline constexpr uint32_t kWmNull = 0x0000;
inline constexpr uint32_t kWmDestroy = 0x0002;
inline constexpr uint32_t kWmMove = 0x0003;
inline constexpr uint32_t kWmSize = 0x0005;
inline constexpr uint32_t kWmActivate = 0x0006;  // WParam: 1 active, 0 inactive
inline constexpr uint32_t kWmSetFocus = 0x0007;
inline constexpr uint32_t kWmKillFocus = 0x0008;
inline constexpr uint32_t kWmEnable = 0x000A;
inline constexpr uint32_t kWmSetText = 0x000C;
inline constexpr uint32_t kWmPaint = 0x000F;  // WParam: TCanvas* of the control
inline constexpr uint32_t kWmClose = 0x0010;
inline constexpr uint32_t kWmEraseBkgnd = 0x0014;  // WParam: TCanvas*; Result 1 = erased
inline constexpr uint32_t kWmShowWindow = 0x0018;
inline constexpr uint32_t kWmSetCursor = 0x0020;  // WParam: hit code under the pointer
inline constexpr uint32_t kWmGetMinMaxInfo = 0x0024;
inline constexpr uint32_t kWmNcCalcSize = 0x0083;  // LParam: Rect* window rect -> client rect
inline constexpr uint32_t kWmNcHitTest = 0x0084;   // LParam: screen point; Result: kHt code
inline constexpr uint32_t kWmNcPaint = 0x0085;     // WParam: TCanvas* over the whole window
inline constexpr uint32_t kWmNcActivate = 0x0086;
inline constexpr uint32_t kWmGetDlgCode = 0x0087;  // Result: kDlgc flags
inline constexpr uint32_t kWmNcMouseMove = 0x00A0;
inline constexpr uint32_t kWmNcLButtonDown = 0x00A1;
inline constexpr uint32_t kWmNcLButtonUp = 0x00A2;
inline constexpr uint32_t kWmNcLButtonDblClk = 0x00A3;
inline constexpr uint32_t kWmNcRButtonDown = 0x00A4;
inline constexpr uint32_t kWmNcRButtonUp = 0x00A5;
inline constexpr uint32_t kWmNcRButtonDblClk = 0x00A6;
inline constexpr uint32_t kWmKeyDown = 0x0100;  // WParam: virtual key; LParam: TShiftState | kKeyRepeatFlag
inline constexpr uint32_t kWmKeyUp = 0x0101;
inline constexpr uint32_t kWmChar = 0x0102;  // WParam: Unicode code point
inline constexpr uint32_t kWmSysKeyDown = 0x0104;
inline constexpr uint32_t kWmSysKeyUp = 0x0105;
inline constexpr uint32_t kWmSysCommand = 0x0112;
inline constexpr uint32_t kWmTimer = 0x0113;  // WParam: timer id
inline constexpr uint32_t kWmMouseMove = 0x0200;
inline constexpr uint32_t kWmLButtonDown = 0x0201;
inline constexpr uint32_t kWmLButtonUp = 0x0202;
inline constexpr uint32_t kWmLButtonDblClk = 0x0203;
inline constexpr uint32_t kWmRButtonDown = 0x0204;
inline constexpr uint32_t kWmRButtonUp = 0x0205;
inline constexpr uint32_t kWmRButtonDblClk = 0x0206;
inline constexpr uint32_t kWmMButtonDown = 0x0207;
inline constexpr uint32_t kWmMButtonUp = 0x0208;
inline constexpr uint32_t kWmMButtonDblClk = 0x0209;
inline constexpr uint32_t kWmMouseWheel = 0x020A;  // WParam: delta << 16 | key state; LParam: screen point
inline constexpr uint32_t kWmCaptureChanged = 0x0215;
inline constexpr uint32_t kWmUser = 0x0400;

// kWmSysCommand WParam values.
inline constexpr uintptr_t kScMinimize = 0xF020;
inline constexpr uintptr_t kScClose = 0xF060;
inline constexpr uintptr_t kScRestore = 0xF120;

// Private messages. A skin data object sends the skin messages to every
// window, itself in WParam and kSkinMessageParam in LParam.
inline constexpr uint32_t kWmBeforeChangeSkinData = kWmUser + 201;  // 1225
inline constexpr uint32_t kWmChangeSkinData = kWmUser + 202;        // 1226
inline constexpr uint32_t kWmAfterChangeSkinData = kWmUser + 203;   // 1227
inline constexpr uint32_t kWmChangeResStrData = kWmUser + 250;      // 1274
inline constexpr uint32_t kWmChangeFormSkinnable = kWmUser + 270;   // 1294
inline constexpr intptr_t kSkinMessageParam = 1000;
// To a control whose background picture changed (a stretched skin moved it).
inline constexpr uint32_t kWmBackgroundChanged = kWmUser + 260;  // 1284

// Set in the LParam of a key-down that repeats a held key.
inline constexpr intptr_t kKeyRepeatFlag = 0x40000000;

// Framework notifications to controls.
inline constexpr uint32_t kCmBase = 0xB000;
inline constexpr uint32_t kCmEnabledChanged = kCmBase + 0;
inline constexpr uint32_t kCmVisibleChanged = kCmBase + 1;
inline constexpr uint32_t kCmTextChanged = kCmBase + 2;
inline constexpr uint32_t kCmDialogKey = kCmBase + 3;  // WParam: key; Result 1 = handled
inline constexpr uint32_t kCmMouseEnter = kCmBase + 4;
inline constexpr uint32_t kCmMouseLeave = kCmBase + 5;
inline constexpr uint32_t kCmEnter = kCmBase + 6;    // focus arrived in the control
inline constexpr uint32_t kCmExit = kCmBase + 7;     // focus left the control
inline constexpr uint32_t kCmRelease = kCmBase + 8;  // posted: free the target once its handlers are done

// Hit-test results.
inline constexpr int kHtError = -2;
inline constexpr int kHtTransparent = -1;
inline constexpr int kHtNowhere = 0;
inline constexpr int kHtClient = 1;
inline constexpr int kHtCaption = 2;
inline constexpr int kHtSysMenu = 3;
inline constexpr int kHtLeft = 10;
inline constexpr int kHtRight = 11;
inline constexpr int kHtTop = 12;
inline constexpr int kHtTopLeft = 13;
inline constexpr int kHtTopRight = 14;
inline constexpr int kHtBottom = 15;
inline constexpr int kHtBottomLeft = 16;
inline constexpr int kHtBottomRight = 17;
inline constexpr int kHtBorder = 18;
inline constexpr int kHtObject = 19;
inline constexpr int kHtClose = 20;

// kWmGetDlgCode results: which keys a control wants to see itself.
inline constexpr intptr_t kDlgcWantArrows = 0x0001;
inline constexpr intptr_t kDlgcWantTab = 0x0002;
inline constexpr intptr_t kDlgcWantAllKeys = 0x0004;
inline constexpr intptr_t kDlgcWantChars = 0x0080;

// Key state flags in the WParam of mouse messages.
inline constexpr uintptr_t kMkLButton = 0x0001;
inline constexpr uintptr_t kMkRButton = 0x0002;
inline constexpr uintptr_t kMkShift = 0x0004;
inline constexpr uintptr_t kMkControl = 0x0008;
inline constexpr uintptr_t kMkMButton = 0x0010;

// Point packing of mouse messages: x in the low 16 bits, y in the high 16,
// both signed.
inline intptr_t MakeLParam(int x, int y) {
    return static_cast<intptr_t>(
        static_cast<int32_t>((static_cast<uint32_t>(y) << 16) | (static_cast<uint32_t>(x) & 0xFFFF)));
}
inline int LParamX(intptr_t l) { return static_cast<int16_t>(static_cast<uint32_t>(l) & 0xFFFF); }
inline int LParamY(intptr_t l) { return static_cast<int16_t>((static_cast<uint32_t>(l) >> 16) & 0xFFFF); }
// Wheel WParam: the signed delta (120 per notch, positive away from the user)
// in the high half, key state in the low half.
inline uintptr_t MakeWheelWParam(int delta, uintptr_t keys) {
    return static_cast<uint32_t>((static_cast<uint32_t>(delta) << 16) | (keys & 0xFFFF));
}
inline int WheelDelta(uintptr_t w) { return static_cast<int16_t>((w >> 16) & 0xFFFF); }

}  // namespace dsp
