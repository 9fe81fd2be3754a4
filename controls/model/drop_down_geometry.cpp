#include "controls/model/drop_down_geometry.h"

#include <algorithm>

namespace dsp {

int DropDownRows(int itemCount, int dropDownCount) { return std::max(0, std::min(itemCount, dropDownCount)); }

Rect DropDownRect(const DropDownInput& in) {
    int width = in.listBoxWidth > 0 ? in.listBoxWidth : in.combo.Width();
    int rows = DropDownRows(in.itemCount, in.dropDownCount);
    int height = 0;
    if (in.sectionFrameHeight < 0) {
        height = rows * in.itemHeight + 4 + in.captionHeight;
    } else {
        height = in.sectionFrameHeight + rows * in.itemHeight;
    }
    height += in.hScrollBarHeight;
    int top = in.combo.bottom;
    if (top + height > in.workArea.bottom) top = in.combo.top - height;
    return Rect::FromOriginSize(in.combo.left, top, width, height);
}

}  // namespace dsp
