// dsp_make_icon OUTDIR: writes the program's icon in the sizes the desktop
// install takes: dsp-panel-48.png, dsp-panel-256.png and dsp-panel.svg, and
// dsp-panel.ico for the Windows program and its installer.

#include <exception>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "platform/graphics/png_file.h"
#include "tools/icon/ico_file.h"
#include "tools/icon/icon_art.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: dsp_make_icon OUTDIR\n";
        return 2;
    }
    const std::string dir = argv[1];
    try {
        for (int size : {48, 256})
            dsp::WritePngFileWithAlpha(dir + "/dsp-panel-" + std::to_string(size) + ".png",
                                       dsp::PaintIcon(size));
    } catch (const std::exception& error) {
        std::cerr << "dsp_make_icon: " << error.what() << "\n";
        return 1;
    }
    std::vector<dsp::Bitmap> sizes;
    for (int size : {16, 32, 48, 256}) sizes.push_back(dsp::PaintIcon(size));
    const std::vector<std::uint8_t> ico = dsp::IcoBytes(sizes);
    std::ofstream icoFile(dir + "/dsp-panel.ico", std::ios::binary | std::ios::trunc);
    icoFile.write(reinterpret_cast<const char*>(ico.data()), std::streamsize(ico.size()));
    icoFile.close();
    if (!icoFile) {
        std::cerr << "dsp_make_icon: cannot write " << dir << "/dsp-panel.ico\n";
        return 1;
    }
    std::ofstream svg(dir + "/dsp-panel.svg", std::ios::trunc);
    svg << dsp::IconSvg();
    svg.close();
    if (!svg) {
        std::cerr << "dsp_make_icon: cannot write " << dir << "/dsp-panel.svg\n";
        return 1;
    }
    return 0;
}
