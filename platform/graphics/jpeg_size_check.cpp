#include "platform/graphics/jpeg_size_check.h"

#include "platform/graphics/bitmap.h"

namespace dsp {
namespace {

// Every 8 x 8 block costs at least one bit of data, so a genuine picture is
// never more than 512 pixels per byte.
constexpr std::uint64_t kPixelsPerByte = 1024;

unsigned BigEndian16(std::span<const std::uint8_t> data, std::size_t at) {
    return unsigned(data[at]) << 8 | data[at + 1];
}

}  // namespace

std::string JpegSizeProblem(std::uint64_t width, std::uint64_t height, std::size_t dataSize) {
    if (width == 0 || height == 0 || width > std::uint64_t(kMaxBitmapSide) ||
        height > std::uint64_t(kMaxBitmapSide))
        return "size out of range";
    const std::uint64_t pixels = width * height;
    if (pixels > std::uint64_t(dataSize) * kPixelsPerByte || pixels > kMaxDecodedPixels)
        return "size " + std::to_string(width) + " x " + std::to_string(height) + " is too large for " +
               std::to_string(dataSize) + " bytes of data";
    return {};
}

bool ReadJpegFrameSize(std::span<const std::uint8_t> data, unsigned* width, unsigned* height) {
    if (data.size() < 4 || data[0] != 0xFF || data[1] != 0xD8) return false;
    std::size_t at = 2;
    while (at + 4 <= data.size()) {
        if (data[at] != 0xFF) return false;
        const std::uint8_t marker = data[at + 1];
        if (marker == 0xFF) {  // fill byte
            ++at;
            continue;
        }
        if (marker == 0xDA || marker == 0xD9) return false;  // a scan or the end before any frame
        const std::size_t length = BigEndian16(data, at + 2);
        // SOF0..SOF15, but not DHT (C4), JPG (C8) nor DAC (CC).
        const bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (length < 7 || at + 9 > data.size()) return false;
            *height = BigEndian16(data, at + 5);
            *width = BigEndian16(data, at + 7);
            return true;
        }
        at += 2 + length;
    }
    return false;
}

}  // namespace dsp
