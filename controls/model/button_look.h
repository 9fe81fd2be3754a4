#pragma once
// Which of its skin pictures a push button shows. The rules are tried in
// order and the first that matches wins: disabled, down, focused, active
// (focused or hovered), normal. The down picture is only shown while the
// press belongs to the button (grouped, under the pointer, or held by the
// keyboard), so a press dragged off the button looks released.

namespace dsp {

enum class ButtonPicture { Disabled, Down, Focused, Active, Normal };

struct ButtonLookState {
    bool enabled = true;
    bool down = false;
    bool grouped = false;
    bool hover = false;
    // Has the focus and may take it (CanFocused).
    bool focused = false;
    bool mouseHeld = false;
    // A frame of the hover animation is showing in place of the pictures.
    bool frameShowing = false;
};

// The skin pictures that may be missing (an empty rectangle in the section).
struct ButtonPictureSet {
    bool hasDisabled = false;
    bool hasFocused = false;
};

// Down, and either grouped, hovered, or focused while the mouse is not held.
bool ButtonDrawnDown(const ButtonLookState& s);
// Focused or hovered: the active picture, and the hover morph's far end.
inline bool ButtonActive(const ButtonLookState& s) { return s.focused || s.hover; }
ButtonPicture ChooseButtonPicture(const ButtonLookState& s, const ButtonPictureSet& pictures);

}  // namespace dsp
