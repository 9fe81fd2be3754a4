#include "controls/model/button_look.h"

namespace dsp {

bool ButtonDrawnDown(const ButtonLookState& s) {
    return s.down && (s.grouped || s.hover || (s.focused && !s.mouseHeld));
}

ButtonPicture ChooseButtonPicture(const ButtonLookState& s, const ButtonPictureSet& pictures) {
    if (!s.enabled && pictures.hasDisabled) return ButtonPicture::Disabled;
    if (ButtonDrawnDown(s)) return ButtonPicture::Down;
    // A running frame animation owns the focused look until it has ended.
    if (s.focused && pictures.hasFocused && !s.frameShowing) return ButtonPicture::Focused;
    if (ButtonActive(s)) return ButtonPicture::Active;
    return ButtonPicture::Normal;
}

}  // namespace dsp
