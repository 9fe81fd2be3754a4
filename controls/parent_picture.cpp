#include "controls/parent_picture.h"

#include "platform/framework/win_control.h"
#include "platform/graphics/canvas.h"

namespace dsp {

Bitmap ParentPicture(const TControl& control) {
    Bitmap picture(std::max(control.Width(), 0), std::max(control.Height(), 0), clBtnFace);
    TWinControl* parent = control.Parent();
    if (parent == nullptr || picture.Empty()) return picture;
    Canvas canvas(picture);
    // The parent's client (0, 0) lies up and left of ours by our position.
    canvas.SetOrigin({-control.Left(), -control.Top()});
    parent->Perform(kWmEraseBkgnd, reinterpret_cast<uintptr_t>(&canvas));
    parent->PaintWith(canvas);
    return picture;
}

}  // namespace dsp
