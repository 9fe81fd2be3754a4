#pragma once
// The skin.ini text of one of our skins: the fixed sections, the frame
// objects and one section for every control kind the window names.

#include <string>

#include "tools/skingen/theme.h"

namespace dsp::skingen {

// File names of a skin folder's pictures, as [PICTURES] names them.
inline constexpr const char* kFramePictureFile = "frame.bmp";
inline constexpr const char* kMaskFile = "frame_mask.bmp";
inline constexpr const char* kControlsFile = "controls.bmp";
inline constexpr const char* kBackgroundFile = "background.bmp";
inline constexpr const char* kCaptionButtonsFile = "caption_buttons.bmp";

std::string SkinIniText(const Theme& theme);

}  // namespace dsp::skingen
