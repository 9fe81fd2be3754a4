#pragma once
// Size and place of a combo box's drop-down list, in screen coordinates: below
// the combo, or directly above it when its bottom would pass the bottom of the
// work area of the combo's monitor.

#include "platform/graphics/geometry.h"

namespace dsp {

struct DropDownInput {
    Rect combo;            // the combo box on the screen
    Rect workArea;         // of the combo's monitor
    int listBoxWidth = 0;  // 0 = the combo's width
    int itemCount = 0;
    int dropDownCount = 8;
    int itemHeight = 20;
    // Frame height of the list section (its height minus its client
    // rectangle's), or -1 without a list section: then 2 pixels round.
    int sectionFrameHeight = -1;
    int captionHeight = 0;     // caption strip (caption mode, default look)
    int hScrollBarHeight = 0;  // when the list has a horizontal scroll bar
};

int DropDownRows(int itemCount, int dropDownCount);
Rect DropDownRect(const DropDownInput& in);

}  // namespace dsp
