#pragma once
// The push button's look. From its skin section: the body of the picture the
// rules chose (or a frame of the hover animation, or the blend of the normal
// and active bodies while the morph is between its ends), then the caption
// in the moved client rectangle, shifted one pixel when down, and the focus
// rectangle with `showfocus`. Without a skin: a part framed by its state and
// the caption centred in it.

#include <string>

#include "controls/look/default_look.h"
#include "controls/look/look_context.h"
#include "controls/look/skin_parts.h"
#include "controls/look/skin_text.h"
#include "controls/look/text_paint.h"
#include "controls/model/button_look.h"
#include "skin/data_skin_buttons.h"

namespace dsp {

struct ButtonSkinVisual {
    Size size;  // the button's
    ButtonPicture picture = ButtonPicture::Normal;
    bool enabled = true;
    bool focused = false;
    // Morph factor and whether the picture is a blend now.
    double k = 0;
    bool blending = false;
    // Hover animation frame, 1 to framecount; 0 for none.
    int frame = 0;
    // The normal and active bodies at the button's size, composed once when
    // a morph starts (nullptr: composed at each step).
    const Bitmap* normalBody = nullptr;
    const Bitmap* activeBody = nullptr;
    std::string caption;
    TFont font;  // with the colour to draw the caption in
    // The button's kept caption layout (nullptr: laid out at each paint).
    CaptionLayout* captionLayout = nullptr;
};

// Whether PaintButtonSkin draws a morph step: the mix of two bodies of the
// button's whole size, which covers every pixel of it.
bool PaintsMorphStep(const ButtonSkinVisual& v);

// The picture rectangle for a rule's choice, with the section's fall-backs
// (no active picture: the normal one; no down picture: the active one).
Rect ButtonPictureRect(const TbsDataSkinButtonControl& s, ButtonPicture picture);
// The caption colour for a rule's choice; a disabled button always takes the
// disabled colour, also when the skin has no disabled picture.
Color ButtonFontColor(const TbsDataSkinButtonControl& s, ButtonPicture picture, bool enabled);

// The body of one of the rule's pictures at `size`, over black.
Bitmap ButtonBody(const ButtonSkinParts& parts, Size size, ButtonPicture which);

void PaintButtonSkin(LookContext& look, const ButtonSkinVisual& v, const ButtonSkinParts& parts);
// Without the skin's size rules: the body at the section's own size scaled
// to the button's, and the caption drawn over it at full size.
void PaintButtonSkinScaled(LookContext& look, const ButtonSkinVisual& v, const ButtonSkinParts& parts);

struct ButtonDefaultVisual {
    Rect client;
    PartState state = PartState::Normal;  // pressed: the caption moves a pixel down and right
    std::string caption;
    TFont font;  // with the colour to draw the caption in
};

void PaintButtonDefault(LookContext& look, const ButtonDefaultVisual& v);

}  // namespace dsp
