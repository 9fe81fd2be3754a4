#pragma once
// The checks a JPEG picture's size passes before any of its pixels is
// decoded, shared by the libjpeg reader (Linux) and the imaging component's
// (Windows, where the decoder would otherwise decode at once whatever size
// the header claims).

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace dsp {

// "" when a picture of this size may be decoded from `dataSize` bytes; else
// the reason ("size 8000 x 8000 is too large for 700 bytes of data").
std::string JpegSizeProblem(std::uint64_t width, std::uint64_t height, std::size_t dataSize);

// The size its frame header (SOFn) gives, read without decoding; false when
// no frame header comes before the first scan.
bool ReadJpegFrameSize(std::span<const std::uint8_t> data, unsigned* width, unsigned* height);

}  // namespace dsp
