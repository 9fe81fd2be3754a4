#pragma once
// What a skinned painter draws from besides the control's visual value: the
// skin's picture, the control's section of the skin, and how the section's
// body fits the control. Every skinned painter takes (look, visual, parts).

#include "controls/look/skin_text.h"
#include "platform/graphics/bitmap.h"

namespace dsp {

template <class Section>
struct SkinParts {
    const Bitmap& picture;
    const Section& section;
    SkinBody body{};
};

class TbsDataSkinButtonControl;
class TbsDataSkinComboBox;
class TbsDataSkinCustomControl;
class TbsDataSkinListBox;
class TbsDataSkinScrollBarControl;
class TbsDataSkinSpinEditControl;

using ButtonSkinParts = SkinParts<TbsDataSkinButtonControl>;
using ComboBoxSkinParts = SkinParts<TbsDataSkinComboBox>;
using ListBoxSkinParts = SkinParts<TbsDataSkinListBox>;
// A panel's tiled body needs only what every body section has.
using PanelSkinParts = SkinParts<TbsDataSkinCustomControl>;
using ScrollBarSkinParts = SkinParts<TbsDataSkinScrollBarControl>;
using SpinEditSkinParts = SkinParts<TbsDataSkinSpinEditControl>;

}  // namespace dsp
