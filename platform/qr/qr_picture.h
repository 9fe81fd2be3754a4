#pragma once
// A QR code as a picture: dark modules black, light ones white, each module a
// square of `moduleSize` pixels, inside the quiet zone of four light modules
// on every side that readers need to find the symbol.

#include "platform/graphics/bitmap.h"
#include "platform/qr/qr_code.h"

namespace dsp {

inline constexpr int kQrQuietZone = 4;

Bitmap QrPicture(const QrCode& code, int moduleSize);

}  // namespace dsp
