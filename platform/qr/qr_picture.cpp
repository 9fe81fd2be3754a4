#include "platform/qr/qr_picture.h"

#include <algorithm>

namespace dsp {

Bitmap QrPicture(const QrCode& code, int moduleSize) {
    moduleSize = std::max(moduleSize, 1);
    const int side = (code.size + 2 * kQrQuietZone) * moduleSize;
    Bitmap picture(side, side, clWhite);
    const Pixel black = ColorToPixel(clBlack);
    for (int y = 0; y < code.size; ++y) {
        for (int x = 0; x < code.size; ++x) {
            if (!code.Dark(x, y)) continue;
            const int left = (x + kQrQuietZone) * moduleSize, top = (y + kQrQuietZone) * moduleSize;
            for (int row = top; row < top + moduleSize; ++row)
                std::fill_n(picture.Row(row) + left, moduleSize, black);
        }
    }
    return picture;
}

}  // namespace dsp
