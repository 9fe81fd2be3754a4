#include "platform/graphics/color.h"

#include <array>

namespace dsp {
namespace {

// The classic system colours, by index, as 0x00BBGGRR. The one table of them.
constexpr std::array<Color, 31> kSystemColors = {
    0xC0C0C0,  // 0 scroll bar
    0x808000,  // 1 desktop background (teal)
    0x800000,  // 2 active caption (navy)
    0x808080,  // 3 inactive caption
    0xC0C0C0,  // 4 menu
    0xFFFFFF,  // 5 window
    0x000000,  // 6 window frame
    0x000000,  // 7 menu text
    0x000000,  // 8 window text
    0xFFFFFF,  // 9 caption text
    0xC0C0C0,  // 10 active border
    0xC0C0C0,  // 11 inactive border
    0x808080,  // 12 application workspace
    0x800000,  // 13 highlight (navy)
    0xFFFFFF,  // 14 highlight text
    0xC0C0C0,  // 15 button face
    0x808080,  // 16 button shadow
    0x808080,  // 17 grey text
    0x000000,  // 18 button text
    0xC0C0C0,  // 19 inactive caption text
    0xFFFFFF,  // 20 button highlight
    0x404040,  // 21 3-D dark shadow
    0xC0C0C0,  // 22 3-D light
    0x000000,  // 23 tooltip text
    0xE1FFFF,  // 24 tooltip background
    0x000000,  // 25 (unused)
    0xFF0000,  // 26 hot-tracked item (blue)
    0xD08410,  // 27 active caption gradient
    0xB5B5B5,  // 28 inactive caption gradient
    0x800000,  // 29 highlighted menu item
    0xC0C0C0,  // 30 menu bar
};

}  // namespace

Color ResolveColor(Color c) {
    if (IsSysColorRef(c)) {
        const unsigned index = c & 0xFFu;
        return index < kSystemColors.size() ? kSystemColors[index] : clBlack;
    }
    return c & 0x00FFFFFFu;
}

}  // namespace dsp
