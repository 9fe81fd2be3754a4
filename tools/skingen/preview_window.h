#pragma once
// A mock of the program's window drawn from our three skins the way the
// window uses them (frame, group boxes and most controls from skin 1, faders
// and read-outs from skin 2, selector keys from skin 3), so the skins can be
// judged together. It follows the pieces rules of the skinned controls only
// as far as a picture needs; it is not the controls' drawing code.

#include <vector>

#include "platform/graphics/bitmap.h"
#include "tools/skingen/skin_builder.h"

namespace dsp::skingen {

Bitmap PreviewWindow(const std::vector<SkinFolder>& skins);

}  // namespace dsp::skingen
