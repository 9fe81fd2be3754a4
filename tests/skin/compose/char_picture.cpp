#include "tests/skin/compose/char_picture.h"

#include "platform/graphics/canvas.h"
#include "skin/compose/plan_draw.h"

namespace dsp::testkit {

Color CharColor(char c) {
    if (c == '.') return 0xFFFFFF;
    const auto u = static_cast<unsigned char>(c);
    return 0x010000u * u + 0x000100u * (255 - u) + 0x40u;
}

Bitmap CharPicture(const CharRows& rows) {
    Bitmap b(rows.empty() ? 0 : int(rows[0].size()), int(rows.size()));
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) b.SetPixel(x, y, CharColor(rows[std::size_t(y)][std::size_t(x)]));
    return b;
}

CharRows PictureChars(const Bitmap& picture) {
    CharRows rows(std::size_t(picture.Height()), std::string(std::size_t(picture.Width()), '?'));
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            const Color c = picture.GetPixel(x, y);
            for (int ch = 32; ch < 127; ++ch) {
                if (CharColor(char(ch)) == c) rows[std::size_t(y)][std::size_t(x)] = char(ch);
            }
        }
    }
    return rows;
}

CharRows Compose(const Bitmap& picture, const PiecePlan& plan, int width, int height) {
    Bitmap target(width, height, clWhite);
    Canvas canvas(target);
    DrawPlan(canvas, picture, plan);
    return PictureChars(target);
}

}  // namespace dsp::testkit
