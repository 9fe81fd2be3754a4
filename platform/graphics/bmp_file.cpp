#include "platform/graphics/bmp_file.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <string>
#include <unordered_map>

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>
#endif

namespace dsp {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;

std::uint32_t U32(std::span<const std::uint8_t> d, std::size_t at) {
    return std::uint32_t(d[at]) | (std::uint32_t(d[at + 1]) << 8) | (std::uint32_t(d[at + 2]) << 16) |
           (std::uint32_t(d[at + 3]) << 24);
}
std::uint16_t U16(std::span<const std::uint8_t> d, std::size_t at) {
    return std::uint16_t(d[at] | (d[at + 1] << 8));
}

struct Header {
    std::uint64_t declaredLength = 0;
    std::uint64_t pixelOffset = 0;
    std::uint64_t infoSize = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;  // signed: negative means top-down
    int bitCount = 0;
    std::uint32_t compression = 0;
    std::uint64_t paletteSize = 0;
};

Header ReadHeader(std::span<const std::uint8_t> d) {
    if (d.size() < kFileHeaderSize + 4) throw InvalidBitmap("file too short for its headers");
    if (d[0] != 'B' || d[1] != 'M') throw InvalidBitmap("no \"BM\" signature");
    Header h;
    h.declaredLength = U32(d, 2);
    h.pixelOffset = U32(d, 10);
    h.infoSize = U32(d, 14);
    if (h.infoSize < kInfoHeaderSize || h.infoSize > 1024) {
        throw InvalidBitmap("unsupported information header size " + std::to_string(h.infoSize));
    }
    if (d.size() < kFileHeaderSize + h.infoSize) throw InvalidBitmap("file too short for its headers");
    h.width = std::int32_t(U32(d, 18));
    h.height = std::int32_t(U32(d, 22));
    if (U16(d, 26) != 1) throw InvalidBitmap("plane count is not 1");
    h.bitCount = U16(d, 28);
    h.compression = U32(d, 30);
    h.paletteSize = U32(d, 46);
    return h;
}

void Validate(Header& h) {
    if (h.compression == 1 || h.compression == 2) throw InvalidBitmap("RLE compression is not supported");
    if (h.compression == 3 || h.compression == 6)
        throw InvalidBitmap("bit-field compression is not supported");
    if (h.compression != 0)
        throw InvalidBitmap("compression " + std::to_string(h.compression) + " is not supported");
    if (h.bitCount != 1 && h.bitCount != 4 && h.bitCount != 8 && h.bitCount != 24 && h.bitCount != 32) {
        throw InvalidBitmap(std::to_string(h.bitCount) + " bits per pixel is not supported");
    }
    const std::int64_t rows = h.height < 0 ? -h.height : h.height;
    if (h.width <= 0 || rows <= 0) {
        throw InvalidBitmap("size " + std::to_string(h.width) + " x " + std::to_string(h.height));
    }
    if (h.width > kMaxBitmapSide || rows > kMaxBitmapSide) {
        throw InvalidBitmap("size " + std::to_string(h.width) + " x " + std::to_string(rows) +
                            " is larger than " + std::to_string(kMaxBitmapSide) + " x " +
                            std::to_string(kMaxBitmapSide));
    }
    if (h.bitCount <= 8) {
        const std::uint64_t full = 1ull << h.bitCount;
        if (h.paletteSize == 0) h.paletteSize = full;
        if (h.paletteSize > full) {
            throw InvalidBitmap("palette of " + std::to_string(h.paletteSize) + " colours for " +
                                std::to_string(h.bitCount) + " bits per pixel");
        }
    } else {
        h.paletteSize = 0;  // a colour table of a true-colour picture is only a hint
    }
}

std::vector<Pixel> ReadPalette(std::span<const std::uint8_t> d, const Header& h) {
    const std::uint64_t start = kFileHeaderSize + h.infoSize;
    const std::uint64_t end = start + h.paletteSize * 4;
    if (end > h.pixelOffset) throw InvalidBitmap("pixel offset lies inside the headers or the palette");
    if (end > d.size()) throw InvalidBitmap("palette runs past the end of the data");
    std::vector<Pixel> palette(h.paletteSize);
    for (std::size_t i = 0; i < palette.size(); ++i) palette[i] = U32(d, start + i * 4) & 0x00FFFFFFu;
    return palette;
}

[[noreturn]] void IndexBeyondPalette(unsigned index, std::size_t colours) {
    throw InvalidBitmap("palette index " + std::to_string(index) + " beyond the " + std::to_string(colours) +
                        " colours of the palette");
}

// Blue, green, red in the file are a pixel's three low bytes in little-endian
// order, so one four-byte load and a mask read a pixel. The last pixel of a
// 24-bit row is read bytewise: its fourth byte may lie past the data.
void DecodeTrueColourRow(const std::uint8_t* in, Pixel* out, int width, int step, int x = 0) {
    in += std::ptrdiff_t(x) * step;
    if constexpr (std::endian::native == std::endian::little) {
        const int wholeLoads = step == 4 ? width : width - 1;
        for (; x < wholeLoads; ++x, in += step) {
            std::uint32_t word;
            std::memcpy(&word, in, sizeof word);
            out[x] = word & 0x00FFFFFFu;
        }
    }
    for (; x < width; ++x, in += step) out[x] = Pixel(in[0]) | (Pixel(in[1]) << 8) | (Pixel(in[2]) << 16);
}

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
// Skins are mostly 24-bit pictures, and widening them is most of what
// decoding one costs: one shuffle widens four pixels. Each 16-byte load
// must end inside the row, so the last pixels go the scalar way.
[[gnu::target("ssse3")]] void DecodeRow24Ssse3(const std::uint8_t* in, Pixel* out, int width) {
    const __m128i widen = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    int x = 0;
    for (; x + 6 <= width; x += 4) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + 3 * x));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), _mm_shuffle_epi8(bytes, widen));
    }
    DecodeTrueColourRow(in, out, width, 3, x);
}

void DecodeRow24(const std::uint8_t* in, Pixel* out, int width) {
    static const bool ssse3 = __builtin_cpu_supports("ssse3");
    if (ssse3) return DecodeRow24Ssse3(in, out, width);
    DecodeTrueColourRow(in, out, width, 3);
}
#else
void DecodeRow24(const std::uint8_t* in, Pixel* out, int width) { DecodeTrueColourRow(in, out, width, 3); }
#endif

void DecodeRow(const std::uint8_t* in, Pixel* out, int width, int bitCount,
               const std::vector<Pixel>& palette) {
    if (bitCount == 24) return DecodeRow24(in, out, width);
    if (bitCount == 32) return DecodeTrueColourRow(in, out, width, 4);
    const int perByte = 8 / bitCount;
    const unsigned mask = (1u << bitCount) - 1;
    for (int x = 0; x < width; ++x) {
        const int shift = 8 - bitCount * (x % perByte + 1);
        const unsigned index = (in[x / perByte] >> shift) & mask;
        if (index >= palette.size()) {
            IndexBeyondPalette(index, palette.size());
        }
        out[x] = palette[index];
    }
}

}  // namespace

namespace {

// A file whose headers, palette and lengths have been checked.
struct Parsed {
    Header h;
    std::vector<Pixel> palette;
    int width = 0;
    int height = 0;
    std::uint64_t stride = 0;
    std::uint64_t pixelEnd = 0;
};

Parsed Parse(std::span<const std::uint8_t> data) {
    Parsed p;
    p.h = ReadHeader(data);
    Header& h = p.h;
    Validate(h);
    p.palette = ReadPalette(data, h);
    p.width = int(h.width);
    p.height = int(h.height < 0 ? -h.height : h.height);
    p.stride = (std::uint64_t(p.width) * std::uint64_t(h.bitCount) + 31) / 32 * 4;
    p.pixelEnd = h.pixelOffset + p.stride * std::uint64_t(p.height);
    if (h.pixelOffset >= data.size()) throw InvalidBitmap("pixel offset past the end of the data");
    if (p.pixelEnd > data.size()) throw InvalidBitmap("pixel rows run past the end of the data");
    if (h.declaredLength != 0 && h.declaredLength < p.pixelEnd) {
        throw InvalidBitmap("file length " + std::to_string(h.declaredLength) +
                            " is shorter than its pixels");
    }
    if (h.declaredLength > data.size()) throw InvalidBitmap("file length runs past the end of the data");
    return p;
}

const std::uint8_t* PixelRow(std::span<const std::uint8_t> data, const Parsed& p, int row) {
    return data.data() + p.h.pixelOffset + p.stride * std::uint64_t(row);
}

// Only a palette shorter than the depth allows can be indexed past its end.
void CheckIndices(std::span<const std::uint8_t> data, const Parsed& p) {
    const int bits = p.h.bitCount;
    if (bits > 8 || p.palette.size() >= (std::size_t(1) << bits)) return;
    const int perByte = 8 / bits;
    const unsigned mask = (1u << bits) - 1;
    for (int row = 0; row < p.height; ++row) {
        const std::uint8_t* in = PixelRow(data, p, row);
        for (int x = 0; x < p.width; ++x) {
            const unsigned index = (in[x / perByte] >> (8 - bits * (x % perByte + 1))) & mask;
            if (index >= p.palette.size()) {
                IndexBeyondPalette(index, p.palette.size());
            }
        }
    }
}

}  // namespace

void CheckBmp(std::span<const std::uint8_t> data) { CheckIndices(data, Parse(data)); }

Bitmap DecodeBmp(std::span<const std::uint8_t> data, std::size_t* fileLength) {
    const Parsed p = Parse(data);
    Bitmap picture = Bitmap::ForOverwrite(p.width, p.height);
    for (int row = 0; row < p.height; ++row) {
        const int y = p.h.height < 0 ? row : p.height - 1 - row;
        DecodeRow(PixelRow(data, p, row), picture.Row(y), p.width, p.h.bitCount, p.palette);
    }
    if (fileLength) *fileLength = std::size_t(p.h.declaredLength != 0 ? p.h.declaredLength : p.pixelEnd);
    return picture;
}

namespace {

void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + std::size_t(i)] = std::uint8_t(v >> (8 * i));
}

// The picture's colours in order of first appearance, and each pixel's index.
std::vector<Pixel> BuildPalette(const Bitmap& picture, int bitCount, std::vector<std::uint8_t>& indices) {
    std::vector<Pixel> palette;
    std::unordered_map<Pixel, std::uint8_t> index;
    const std::size_t limit = std::size_t(1) << bitCount;
    indices.resize(std::size_t(picture.Width()) * std::size_t(picture.Height()));
    std::size_t i = 0;
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x, ++i) {
            const Pixel p = picture.Row(y)[x] & 0x00FFFFFFu;
            auto [it, added] = index.try_emplace(p, std::uint8_t(palette.size()));
            if (added) {
                if (palette.size() == limit) {
                    throw PictureError("a " + std::to_string(bitCount) + "-bit bitmap holds at most " +
                                       std::to_string(limit) + " colours");
                }
                palette.push_back(p);
            }
            indices[i] = it->second;
        }
    }
    return palette;
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const Bitmap& picture, int bitCount) {
    if (bitCount != 24 && bitCount != 8 && bitCount != 4 && bitCount != 1) {
        throw PictureError("cannot write a " + std::to_string(bitCount) + "-bit bitmap");
    }
    if (picture.Empty()) throw PictureError("cannot write an empty bitmap");
    std::vector<std::uint8_t> indices;
    const std::vector<Pixel> palette =
        bitCount <= 8 ? BuildPalette(picture, bitCount, indices) : std::vector<Pixel>{};
    const int width = picture.Width(), height = picture.Height();
    const std::size_t stride = (std::size_t(width) * std::size_t(bitCount) + 31) / 32 * 4;
    const std::size_t offset = kFileHeaderSize + kInfoHeaderSize + palette.size() * 4;
    std::vector<std::uint8_t> out(offset + stride * std::size_t(height), 0);
    out[0] = 'B';
    out[1] = 'M';
    Put32(out, 2, std::uint32_t(out.size()));
    Put32(out, 10, std::uint32_t(offset));
    Put32(out, 14, kInfoHeaderSize);
    Put32(out, 18, std::uint32_t(width));
    Put32(out, 22, std::uint32_t(height));
    out[26] = 1;
    out[28] = std::uint8_t(bitCount);
    Put32(out, 34, std::uint32_t(stride * std::size_t(height)));
    Put32(out, 46, std::uint32_t(palette.size()));
    for (std::size_t i = 0; i < palette.size(); ++i)
        Put32(out, kFileHeaderSize + kInfoHeaderSize + i * 4, palette[i]);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = out.data() + offset + stride * std::size_t(height - 1 - y);
        if (bitCount == 24) {
            picture.ReadRow24(y, row);
            continue;
        }
        const std::uint8_t* idx = indices.data() + std::size_t(y) * std::size_t(width);
        const int perByte = 8 / bitCount;
        for (int x = 0; x < width; ++x) {
            row[x / perByte] |= std::uint8_t(idx[x] << (8 - bitCount * (x % perByte + 1)));
        }
    }
    return out;
}

}  // namespace dsp
