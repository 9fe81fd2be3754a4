#pragma once
// The picture a control's parent shows behind it: what a transparent control
// draws first, so it seems to lie on its parent.

#include "platform/framework/control.h"
#include "platform/graphics/bitmap.h"

namespace dsp {

// The parent's background and own paint (not its other children) under
// `control`'s bounds, in a bitmap of the control's size; button face where
// the control has no parent.
Bitmap ParentPicture(const TControl& control);

}  // namespace dsp
