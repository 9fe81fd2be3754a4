#pragma once
// SkinPicture: one picture of a skin package, held as the complete BMP file
// it was stored as. The skin layer only checks the file's framing (signature
// and lengths); decoding the pixels is the drawing layer's job, which takes
// these bytes as they are.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace dsp {

class SkinPicture {
  public:
    SkinPicture() = default;

    // The length of the BMP file at the start of `bytes`, from its header's
    // total-length field, after checking the signature and that the header,
    // the pixel offset and the total length all lie inside `bytes`. Throws
    // ESkinError naming `what` otherwise.
    static std::size_t FramedLength(std::span<const std::uint8_t> bytes, const std::string& what);
    // A picture from exactly one framed BMP file.
    static SkinPicture FromBmp(std::span<const std::uint8_t> bytes, const std::string& what);

    bool Empty() const { return bytes_.empty(); }
    void Clear() { bytes_.clear(); }
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

    // From the information header; 0 for an empty picture.
    int Width() const;
    int Height() const;  // absolute: top-down files store it negative
    int BitCount() const;

  private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace dsp
