#pragma once
// Builds one of our skin folders in memory (skin.ini and its BMP files) and
// writes it to disk. The same number always gives the same bytes.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/graphics/bitmap.h"

namespace dsp::skingen {

inline constexpr int kSkinCount = 3;

struct SkinFile {
    std::string name;
    std::vector<std::uint8_t> bytes;
};

struct SkinFolder {
    int number = 0;
    std::vector<SkinFile> files;  // skin.ini first, then the pictures
    // The pictures as drawn, in [PICTURES] order: frame, mask, then the list.
    std::vector<std::pair<std::string, Bitmap>> pictures;
};

SkinFolder BuildSkin(int number);  // 1 to kSkinCount

// Writes every file of the folder into `dir` (created when missing).
void WriteSkinFolder(const std::filesystem::path& dir, const SkinFolder& folder);

// The folder name of a skin below resources/skins.
std::string SkinFolderName(int number);

}  // namespace dsp::skingen
