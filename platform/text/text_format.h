#pragma once
// The DrawText format flags, with the platform's values so stored code and
// layouts read the same.

namespace dsp {

enum TextFormat : unsigned {
    kDtLeft = 0x0000,
    kDtCenter = 0x0001,
    kDtRight = 0x0002,
    kDtVCenter = 0x0004,  // single line only
    kDtBottom = 0x0008,   // single line only
    kDtWordBreak = 0x0010,
    kDtSingleLine = 0x0020,
    kDtExpandTabs = 0x0040,  // tab stops every 8 average character widths
    kDtNoClip = 0x0100,
    kDtCalcRect = 0x0400,      // measure only: the rectangle gets the text's extent
    kDtNoPrefix = 0x0800,      // "&" is an ordinary character
    kDtPathEllipsis = 0x4000,  // "c:\...\file.txt": the middle of a path gives way
    kDtEndEllipsis = 0x8000,   // "long tex...": the end gives way
    kDtHidePrefix = 0x100000,  // "&" marks are removed but not underlined
};

}  // namespace dsp
