#include "skin/skin_picture.h"

#include "skin/skin_error.h"

namespace dsp {
namespace {

constexpr std::size_t kFileHeader = 14;
constexpr std::size_t kCoreHeader = 12;  // the old core information header
constexpr std::size_t kInfoHeader = 40;  // the information header and its successors

std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
           static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

int U16(std::span<const std::uint8_t> b, std::size_t at) { return b[at] | b[at + 1] << 8; }

// A signed 32-bit header field, as a non-negative int.
int Magnitude(std::uint32_t bits) {
    std::int64_t value = static_cast<std::int32_t>(bits);
    value = value < 0 ? -value : value;
    return value > INT32_MAX ? INT32_MAX : static_cast<int>(value);
}

bool IsCoreHeader(std::span<const std::uint8_t> b) { return U32(b, kFileHeader) == kCoreHeader; }

}  // namespace

std::size_t SkinPicture::FramedLength(std::span<const std::uint8_t> bytes, const std::string& what) {
    if (bytes.size() < kFileHeader + kCoreHeader) {
        throw ESkinError(what + ": truncated, " + std::to_string(bytes.size()) +
                         " bytes left where a BMP file header is due");
    }
    if (bytes[0] != 'B' || bytes[1] != 'M') throw ESkinError(what + ": not a BMP file");
    std::uint32_t total = U32(bytes, 2);
    std::uint32_t pixelOffset = U32(bytes, 10);
    std::uint32_t infoSize = U32(bytes, kFileHeader);
    if (total > bytes.size()) {
        throw ESkinError(what + ": BMP claims " + std::to_string(total) + " bytes, only " +
                         std::to_string(bytes.size()) + " remain");
    }
    if ((infoSize != kCoreHeader && infoSize < kInfoHeader) || total < kFileHeader + infoSize ||
        pixelOffset > total || pixelOffset < kFileHeader + infoSize) {
        throw ESkinError(what + ": BMP header lengths are inconsistent");
    }
    return total;
}

SkinPicture SkinPicture::FromBmp(std::span<const std::uint8_t> bytes, const std::string& what) {
    std::size_t length = FramedLength(bytes, what);
    if (length != bytes.size()) {
        throw ESkinError(what + ": BMP length field says " + std::to_string(length) +
                         " bytes, the file has " + std::to_string(bytes.size()));
    }
    SkinPicture picture;
    picture.bytes_.assign(bytes.begin(), bytes.end());
    return picture;
}

int SkinPicture::Width() const {
    if (Empty()) return 0;
    if (IsCoreHeader(bytes_)) return U16(bytes_, 18);
    return Magnitude(U32(bytes_, 18));
}

int SkinPicture::Height() const {
    if (Empty()) return 0;
    if (IsCoreHeader(bytes_)) return U16(bytes_, 20);
    return Magnitude(U32(bytes_, 22));
}

int SkinPicture::BitCount() const {
    if (Empty()) return 0;
    return IsCoreHeader(bytes_) ? U16(bytes_, 24) : U16(bytes_, 28);
}

}  // namespace dsp
