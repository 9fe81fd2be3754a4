#pragma once
// The skin package: the uncompressed container of one skin. All integers are
// 32-bit little-endian, signed:
//   version (3 when written; any value up to 3 is read)
//   main picture, inactive picture and mask slots: a flag byte (0 = a BMP file
//     follows, anything else = empty), then the BMP file
//   version 2 only: two more slots, read and thrown away
//   picture count N, then N BMP files without flag bytes
//   the skin.ini text, CR LF lines, to the end of the package
// Every length and count is checked against what remains, so a truncated or
// lying package ends with ESkinError, never with a read past its end.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/skin_picture.h"

namespace dsp {

inline constexpr std::int32_t kSkinPackageVersion = 3;

struct SkinPackage {
    SkinPicture Picture;
    SkinPicture InactivePicture;
    SkinPicture Mask;
    std::vector<SkinPicture> Pictures;
    std::string Text;
};

// nullopt when the package's version is above 3.
std::optional<SkinPackage> ReadSkinPackage(std::span<const std::uint8_t> bytes);

// Writes the fields of a package in order.
class SkinPackageWriter {
  public:
    void Int32(std::int32_t value);
    void Slot(const SkinPicture& picture);  // flag 1 for an empty picture
    void Bmp(const SkinPicture& picture);
    void Text(std::string_view text);
    std::vector<std::uint8_t>& Bytes() { return bytes_; }

  private:
    std::vector<std::uint8_t> bytes_;
};

// A version-3 package.
std::vector<std::uint8_t> WriteSkinPackage(const SkinPackage& package);

}  // namespace dsp
