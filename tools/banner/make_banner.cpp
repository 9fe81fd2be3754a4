// dsp_make_banner OUT.jpg [PREVIEW.png]: writes the window's banner picture and,
// when asked, the picture as the JPEG decodes, with the strip the window
// shows enlarged twice above it, for looking at by eye.

#include <cstdio>
#include <fstream>
#include <iostream>

#include "platform/graphics/canvas.h"
#include "platform/graphics/jpeg_file.h"
#include "platform/graphics/png_file.h"
#include "tools/banner/banner_painter.h"

namespace {

void WritePreview(const char* path, const dsp::Bitmap& decoded) {
    using namespace dsp;
    const int stripHeight = 2 * kBannerVisibleHeight;
    Bitmap preview(decoded.Width(), stripHeight + 8 + decoded.Height(), clWhite);
    Canvas canvas(preview);
    canvas.StretchDraw({0, 0, 2 * kBannerVisibleWidth, stripHeight}, decoded,
                       {0, 0, kBannerVisibleWidth, kBannerVisibleHeight});
    canvas.Draw({0, stripHeight + 8}, decoded);
    WritePngFile(path, preview);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::cerr << "usage: dsp_make_banner OUT.jpg [PREVIEW.png]\n";
        return 2;
    }
    dsp::FontEngine fonts;
    // Full chroma: the Windows build decodes through another library, and the
    // window must show the same pixels there.
    const std::vector<std::uint8_t> jpeg =
        dsp::EncodeJpeg(dsp::PaintBanner(fonts), 92, dsp::JpegChroma::Full);
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(jpeg.data()), std::streamsize(jpeg.size()));
    out.close();
    if (!out) {
        std::cerr << "dsp_make_banner: cannot write " << argv[1] << "\n";
        std::remove(argv[1]);
        return 1;
    }
    if (argc == 3) WritePreview(argv[2], dsp::DecodeJpeg(jpeg));
    return 0;
}
