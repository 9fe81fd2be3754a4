#include "tests/support/xwd_picture.h"

#include <bit>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "tests/support/xvfb_server.h"

namespace dsp::test {
namespace {

// The header: 25 big-endian 32-bit fields, then the window's name; then the
// colour table (12 bytes an entry); then the rows.
enum Field {
    kHeaderSize = 0,
    kWidth = 4,
    kHeight = 5,
    kByteOrder = 7,
    kBitsPerPixel = 11,
    kBytesPerLine = 12,
    kRedMask = 14,
    kGreenMask = 15,
    kBlueMask = 16,
    kColours = 19,
    kFieldCount = 25,
};

std::uint32_t BigEndian(const std::string& s, std::size_t at) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i) v = (v << 8) | static_cast<unsigned char>(s[at + i]);
    return v;
}

// One 8-bit channel out of a pixel by its mask.
std::uint32_t Channel(std::uint32_t pixel, std::uint32_t mask) {
    if (mask == 0) return 0;
    return (pixel & mask) >> std::countr_zero(mask) & 0xFFu;
}

}  // namespace

Bitmap ReadXwd(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (all.size() < kFieldCount * 4) return {};
    auto field = [&](Field f) { return BigEndian(all, std::size_t(f) * 4); };
    const std::uint32_t bpp = field(kBitsPerPixel);
    if (bpp != 32 && bpp != 24) return {};
    const int width = int(field(kWidth)), height = int(field(kHeight));
    if (width <= 0 || height <= 0 || width > kMaxBitmapSide || height > kMaxBitmapSide) return {};
    const std::size_t start = field(kHeaderSize) + std::size_t(field(kColours)) * 12;
    const std::size_t line = field(kBytesPerLine), bytes = bpp / 8;
    if (start + line * std::size_t(height) > all.size() || line < bytes * std::size_t(width)) return {};
    const bool msbFirst = field(kByteOrder) == 1;
    Bitmap out(width, height);
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const unsigned char*>(all.data() + start + line * std::size_t(y));
        for (int x = 0; x < width; ++x) {
            std::uint32_t v = 0;
            for (std::size_t i = 0; i < bytes; ++i) {
                const unsigned char b = row[std::size_t(x) * bytes + i];
                v = msbFirst ? (v << 8) | b : v | std::uint32_t(b) << (8 * i);
            }
            out.Row(y)[x] = Channel(v, field(kRedMask)) << 16 | Channel(v, field(kGreenMask)) << 8 |
                            Channel(v, field(kBlueMask));
        }
    }
    return out;
}

Bitmap GrabXwd(const std::string& what, const std::vector<std::string>& env, const std::string& file) {
    std::vector<std::string> argv = {"xwd", "-silent", "-out", file};
    if (what == "root")
        argv.push_back("-root");
    else
        argv.insert(argv.end(), {"-id", what});
    std::remove(file.c_str());
    RunAndRead(argv, env);
    return ReadXwd(file);
}

}  // namespace dsp::test
