#pragma once
// Sample skins for the skin tests, the fuzzer seeds and the benchmark: BMP
// files drawn from simple patterns, and a skin.ini text with every fixed
// section, thirteen frame objects and a section for every control kind, in
// the shape of a real skin (about 44 KB of text when full size).

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace dsp::testkit {

// A bottom-up BMP file of 1, 8 or 24 bits per pixel. `seed` varies the pattern.
std::vector<std::uint8_t> MakeBmp(int width, int height, int bitCount, int seed = 0);

struct SampleSkinShape {
    int mainWidth = 177, mainHeight = 142, mainBits = 24;
    bool hasMask = true;
    int listCount = 8;
    int listWidth = 175, listHeight = 174, listBits = 24;
    // Fewer registry entries (of each registry) make a smaller text.
    std::size_t maxEntries = 1000;
};

// The skin.ini text of a sample skin (CR LF lines).
std::string SampleSkinIni(const SampleSkinShape& shape);

// A small skin: tiny pictures, the full description.
SampleSkinShape TinySkinShape();

// Writes skin.ini and its pictures into `folder`; returns the skin.ini path.
std::filesystem::path WriteSampleSkinFolder(const std::filesystem::path& folder,
                                            const SampleSkinShape& shape);

// The package a skin of this shape packs into (version 3).
std::vector<std::uint8_t> SamplePackage(const SampleSkinShape& shape);

}  // namespace dsp::testkit
