#include "tools/icon/ico_file.h"

#include <stdexcept>

namespace dsp {
namespace {

constexpr std::uint32_t kDirectorySize = 6;
constexpr std::uint32_t kEntrySize = 16;
constexpr std::uint32_t kBitmapHeaderSize = 40;

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// Mask rows are padded to whole 32-bit words.
std::uint32_t MaskStride(int width) { return std::uint32_t((width + 31) / 32 * 4); }

std::uint32_t ImageSize(const Bitmap& b) {
    return kBitmapHeaderSize + std::uint32_t(b.Width() * b.Height() * 4) + MaskStride(b.Width()) * b.Height();
}

// The bitmap header, then the colour rows and the mask rows, both bottom-up.
// The header's height counts both.
void PutImage(std::vector<std::uint8_t>& out, const Bitmap& b) {
    Put32(out, kBitmapHeaderSize);
    Put32(out, std::uint32_t(b.Width()));
    Put32(out, std::uint32_t(b.Height() * 2));
    Put16(out, 1);   // planes
    Put16(out, 32);  // bits per pixel
    for (int i = 0; i < 6; ++i) Put32(out, 0);
    for (int y = b.Height() - 1; y >= 0; --y)
        for (int x = 0; x < b.Width(); ++x) Put32(out, b.Row(y)[x]);  // B, G, R, A in file order
    for (int y = b.Height() - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(MaskStride(b.Width()), 0);
        for (int x = 0; x < b.Width(); ++x)
            if ((b.Row(y)[x] >> 24) == 0) row[std::size_t(x / 8)] |= std::uint8_t(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
}

}  // namespace

std::vector<std::uint8_t> IcoBytes(std::span<const Bitmap> pictures) {
    std::vector<std::uint8_t> out;
    Put16(out, 0);
    Put16(out, 1);  // an icon, not a cursor
    Put16(out, std::uint32_t(pictures.size()));
    std::uint32_t offset = kDirectorySize + kEntrySize * std::uint32_t(pictures.size());
    for (const Bitmap& b : pictures) {
        if (b.Width() != b.Height() || b.Width() < 1 || b.Width() > 256)
            throw std::invalid_argument("an icon picture is square, 1 to 256 pixels");
        out.push_back(std::uint8_t(b.Width() & 0xFF));  // 0 stands for 256
        out.push_back(std::uint8_t(b.Height() & 0xFF));
        out.push_back(0);  // no palette
        out.push_back(0);
        Put16(out, 1);
        Put16(out, 32);
        Put32(out, ImageSize(b));
        Put32(out, offset);
        offset += ImageSize(b);
    }
    for (const Bitmap& b : pictures) PutImage(out, b);
    return out;
}

}  // namespace dsp
