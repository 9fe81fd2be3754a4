#pragma once
// Value types of the skin description: rectangles, points, colours and the
// enumerated forms. Rectangles are left, top, right, bottom; colours are
// 0x00BBGGRR, a top byte of 0xFF marking a system colour by index.

#include <cstdint>

#include "platform/graphics/geometry.h"
#include "platform/text/font.h"

namespace dsp {

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    // Empty when the width or the height is not positive.
    bool IsEmpty() const { return Width() <= 0 || Height() <= 0; }
    bool operator==(const TRect&) const = default;
};

// The drawing layer's rectangle for a skin rectangle (the same edges).
constexpr Rect ToRect(const TRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

struct TPoint {
    int X = 0;
    int Y = 0;

    // A point is unset when either coordinate is 0.
    bool IsUnset() const { return X == 0 || Y == 0; }
    bool operator==(const TPoint&) const = default;
};

// The drawing layer's point for a skin point.
constexpr Point ToPoint(const TPoint& p) { return {p.X, p.Y}; }

// A colour reference as stored in the text: a signed 32-bit value.
using TColor = std::int32_t;

inline constexpr TColor SystemColor(int index) {
    return static_cast<TColor>(0xFF000000u | static_cast<std::uint32_t>(index));
}

// Font styles as a bit set: the drawing layer's own, so a section's style
// goes to a font unchanged.
using TFontStyles = FontStyles;

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

enum class TbsMorphKind {
    mkDefault,
    mkGradient,
    mkLeftGradient,
    mkRightGradient,
    mkLeftSlide,
    mkRightSlide,
    mkPush
};

enum class TbsStretchType { stFull = 0, stHorz = 1, stVert = 2 };

enum class TbsInActiveEffect { ieBrightness, ieDarkness, ieGrayScale, ieNoise, ieSplitBlur, ieInvert };

enum class TbsStdCommand {
    cmClose,
    cmMaximize,
    cmMinimize,
    cmSysMenu,
    cmDefault,
    cmRollUp,
    cmMinimizeToTray
};

}  // namespace dsp
