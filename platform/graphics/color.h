#pragma once
// Colour values as the skins and the stored layout write them: 0x00BBGGRR.
// A top byte of 0xFF names a system colour by its index in the low byte; it is
// turned into a real value through the system-colour table before drawing.

#include <cstdint>

namespace dsp {

using Color = std::uint32_t;

constexpr Color MakeColor(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return Color(r) | (Color(g) << 8) | (Color(b) << 16);
}
constexpr std::uint8_t RedOf(Color c) { return std::uint8_t(c); }
constexpr std::uint8_t GreenOf(Color c) { return std::uint8_t(c >> 8); }
constexpr std::uint8_t BlueOf(Color c) { return std::uint8_t(c >> 16); }

// System colour indices, in the platform's numbering.
enum class SysColor : std::uint8_t {
    ScrollBar = 0,
    Background = 1,
    ActiveCaption = 2,
    InactiveCaption = 3,
    Menu = 4,
    Window = 5,
    WindowFrame = 6,
    MenuText = 7,
    WindowText = 8,
    CaptionText = 9,
    ActiveBorder = 10,
    InactiveBorder = 11,
    AppWorkspace = 12,
    Highlight = 13,
    HighlightText = 14,
    BtnFace = 15,
    BtnShadow = 16,
    GrayText = 17,
    BtnText = 18,
    InactiveCaptionText = 19,
    BtnHighlight = 20,
    DkShadow3D = 21,
    Light3D = 22,
    InfoText = 23,
    InfoBk = 24,
    HotLight = 26,
    GradientActiveCaption = 27,
    GradientInactiveCaption = 28,
    MenuHilight = 29,
    MenuBar = 30,
};

inline constexpr Color kSysColorFlag = 0xFF000000u;

constexpr Color SysColorRef(SysColor c) { return kSysColorFlag | Color(c); }
constexpr bool IsSysColorRef(Color c) { return (c & 0xFF000000u) == kSysColorFlag; }

// References to the system colours the drawing code uses by name.
inline constexpr Color clBtnFace = SysColorRef(SysColor::BtnFace);
inline constexpr Color clBtnShadow = SysColorRef(SysColor::BtnShadow);
inline constexpr Color clBtnHighlight = SysColorRef(SysColor::BtnHighlight);
inline constexpr Color clBtnText = SysColorRef(SysColor::BtnText);
inline constexpr Color cl3DDkShadow = SysColorRef(SysColor::DkShadow3D);
inline constexpr Color cl3DLight = SysColorRef(SysColor::Light3D);
inline constexpr Color clWindow = SysColorRef(SysColor::Window);
inline constexpr Color clWindowText = SysColorRef(SysColor::WindowText);
inline constexpr Color clHighlight = SysColorRef(SysColor::Highlight);
inline constexpr Color clHighlightText = SysColorRef(SysColor::HighlightText);
inline constexpr Color clGrayText = SysColorRef(SysColor::GrayText);
inline constexpr Color clInfoBk = SysColorRef(SysColor::InfoBk);
inline constexpr Color clInfoText = SysColorRef(SysColor::InfoText);

// Plain colours by name.
inline constexpr Color clBlack = 0x000000;
inline constexpr Color clWhite = 0xFFFFFF;
inline constexpr Color clMaroon = 0x000080;
inline constexpr Color clGreen = 0x008000;
inline constexpr Color clNavy = 0x800000;
inline constexpr Color clRed = 0x0000FF;
inline constexpr Color clLime = 0x00FF00;
inline constexpr Color clBlue = 0xFF0000;
inline constexpr Color clYellow = 0x00FFFF;
inline constexpr Color clFuchsia = 0xFF00FF;
inline constexpr Color clAqua = 0xFFFF00;
inline constexpr Color clGray = 0x808080;
inline constexpr Color clSilver = 0xC0C0C0;

// A real colour value: system colour references go through the table (an
// index the table does not know gives black); other values lose their top
// byte.
Color ResolveColor(Color c);

}  // namespace dsp
