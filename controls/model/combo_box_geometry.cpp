#include "controls/model/combo_box_geometry.h"

namespace dsp {

ComboBoxParts DefaultComboBoxParts(int width, int height) {
    ComboBoxParts p;
    p.button = {width - 19, 2, width - 2, height - 2};
    p.textArea = {2, 2, p.button.left - 1, height - 2};
    return p;
}

ComboBoxParts SkinnedComboBoxParts(int width, const ComboBoxSkinGeometry& skin) {
    const int grow = width - skin.sectionWidth;
    ComboBoxParts p;
    p.button = skin.buttonRect;
    if (p.button.left >= skin.rightAnchorX) p.button = p.button.Offset(grow, 0);
    p.textArea = skin.clientRect;
    p.textArea.right += grow;
    return p;
}

}  // namespace dsp
