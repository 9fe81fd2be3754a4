#include "tools/skingen/preview.h"

#include <algorithm>
#include <string>

#include "platform/graphics/canvas.h"
#include "platform/graphics/png_file.h"
#include "tools/skingen/preview_window.h"

namespace dsp::skingen {

namespace {

constexpr Color kSheetColor = 0x404040;
constexpr int kScale = 2, kGap = 12;

// Every picture of one skin, enlarged, on one sheet.
Bitmap PictureSheet(const SkinFolder& skin) {
    int width = kGap, height = kGap;
    for (const auto& [name, pic] : skin.pictures) {
        width = std::max(width, pic.Width() * kScale + 2 * kGap);
        height += pic.Height() * kScale + kGap;
    }
    Bitmap sheet(width, height, kSheetColor);
    Canvas canvas(sheet);
    int y = kGap;
    for (const auto& [name, pic] : skin.pictures) {
        const Rect dst = Rect::FromOriginSize(kGap, y, pic.Width() * kScale, pic.Height() * kScale);
        canvas.StretchDraw(dst, pic, pic.Bounds());
        y += dst.Height() + kGap;
    }
    return sheet;
}

}  // namespace

void WritePreviews(const std::filesystem::path& dir, const std::vector<SkinFolder>& skins) {
    std::filesystem::create_directories(dir);
    for (const SkinFolder& skin : skins)
        WritePngFile((dir / (SkinFolderName(skin.number) + "-pictures.png")).string(), PictureSheet(skin));
    if (skins.size() < 3) return;
    const Bitmap window = PreviewWindow(skins);
    WritePngFile((dir / "window.png").string(), window);
    // Two enlarged quarters, for judging edges and pieces pixel by pixel.
    const Rect quarters[] = {{0, 0, 360, 260}, {344, 249, 704, 509}};
    for (int i = 0; i < 2; ++i) {
        Bitmap zoom(quarters[i].Width() * kScale, quarters[i].Height() * kScale);
        Canvas(zoom).StretchDraw(zoom.Bounds(), window, quarters[i]);
        WritePngFile((dir / ("window-zoom" + std::to_string(i + 1) + ".png")).string(), zoom);
    }
}

}  // namespace dsp::skingen
