// skingen: draws our three skins and writes their folders.
//
//   skingen OUTDIR               writes OUTDIR/skin1 .. OUTDIR/skin3
//   skingen OUTDIR --preview DIR also writes preview sheets (PNG) into DIR

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "tools/skingen/preview.h"
#include "tools/skingen/skin_builder.h"

int main(int argc, char** argv) {
    using namespace dsp::skingen;
    if (argc != 2 && !(argc == 4 && std::string(argv[2]) == "--preview")) {
        std::fprintf(stderr, "usage: skingen OUTDIR [--preview DIR]\n");
        return 2;
    }
    try {
        const std::filesystem::path out = argv[1];
        std::vector<SkinFolder> skins;
        for (int n = 1; n <= kSkinCount; ++n) {
            skins.push_back(BuildSkin(n));
            WriteSkinFolder(out / SkinFolderName(n), skins.back());
        }
        if (argc == 4) WritePreviews(argv[3], skins);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skingen: %s\n", e.what());
        return 1;
    }
    return 0;
}
