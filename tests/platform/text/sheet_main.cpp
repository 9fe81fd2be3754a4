// drawing_sheet OUTPUT.png [SCALE]: renders the drawing sheet to a PNG file,
// optionally enlarged SCALE times (nearest neighbour) for looking at glyphs.

#include <cstdio>
#include <cstdlib>
#include <exception>

#include "platform/graphics/canvas.h"
#include "platform/graphics/png_file.h"
#include "tests/platform/text/sheet.h"

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: drawing_sheet OUTPUT.png [SCALE]\n");
        return 2;
    }
    try {
        dsp::FontEngine engine;
        const dsp::Bitmap sheet = dsp::RenderSheet(engine);
        const int scale = argc == 3 ? std::atoi(argv[2]) : 1;
        if (scale <= 1 || scale > 8) {
            dsp::WritePngFile(argv[1], sheet);
            return 0;
        }
        dsp::Bitmap big(sheet.Width() * scale, sheet.Height() * scale);
        dsp::Canvas canvas(big);
        canvas.StretchDraw(big.Bounds(), sheet, sheet.Bounds());
        dsp::WritePngFile(argv[1], big);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "drawing_sheet: %s\n", e.what());
        return 1;
    }
    return 0;
}
