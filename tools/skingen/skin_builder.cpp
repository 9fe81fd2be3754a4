#include "tools/skingen/skin_builder.h"

#include <fstream>
#include <stdexcept>

#include "platform/graphics/bmp_file.h"
#include "tools/skingen/control_art.h"
#include "tools/skingen/frame_art.h"
#include "tools/skingen/skin_text.h"
#include "tools/skingen/theme.h"

namespace dsp::skingen {

SkinFolder BuildSkin(int number) {
    if (number < 1 || number > kSkinCount) throw std::invalid_argument("no skin " + std::to_string(number));
    const Theme theme = MakeTheme(number);
    SkinFolder folder;
    folder.number = number;
    const std::string ini = SkinIniText(theme);
    folder.files.push_back({"skin.ini", {ini.begin(), ini.end()}});

    folder.pictures = {
        {kFramePictureFile, PaintFramePicture(theme)},
        {kMaskFile, PaintFrameMask()},
        {kControlsFile, PaintControlAtlas(theme)},
        {kBackgroundFile, PaintBackgroundTile(theme)},
        {kCaptionButtonsFile, PaintCaptionButtons(theme)},
    };
    for (const auto& [name, picture] : folder.pictures)
        folder.files.push_back({name, EncodeBmp(picture, name == kMaskFile ? 1 : 24)});
    return folder;
}

void WriteSkinFolder(const std::filesystem::path& dir, const SkinFolder& folder) {
    std::filesystem::create_directories(dir);
    for (const SkinFile& f : folder.files) {
        std::ofstream out(dir / f.name, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(f.bytes.data()), std::streamsize(f.bytes.size()));
        if (!out) throw std::runtime_error("cannot write " + (dir / f.name).string());
    }
}

std::string SkinFolderName(int number) { return "skin" + std::to_string(number); }

}  // namespace dsp::skingen
