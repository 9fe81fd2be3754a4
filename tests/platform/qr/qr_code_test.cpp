// The symbols the QR wrapper hands out, checked against what every QR code
// must hold: the size for its version, the smallest version for the text,
// the finder and timing patterns, and the format information (level M, its
// error check sound, both copies alike); and the picture with its quiet zone.

#include <gtest/gtest.h>

#include <string>

#include "platform/qr/qr_picture.h"

namespace dsp {
namespace {

// The 7x7 finder pattern with its top-left at (x, y): a dark ring, a light
// ring, a dark 3x3 core; and the light separator beside it inside the symbol.
void ExpectFinder(const QrCode& code, int x, int y) {
    for (int dy = -1; dy <= 7; ++dy) {
        for (int dx = -1; dx <= 7; ++dx) {
            const int mx = x + dx, my = y + dy;
            if (mx < 0 || my < 0 || mx >= code.size || my >= code.size) continue;
            const int ring = std::max(std::abs(dx - 3), std::abs(dy - 3));  // 0 at the centre
            const bool dark = ring != 2 && ring != 4;
            ASSERT_EQ(code.Dark(mx, my), dark)
                << "finder at " << x << "," << y << " module " << mx << "," << my;
        }
    }
}

// The 15 format bits, read from the copy around the top-left finder and from
// the copy split between the other two, most significant bit first.
std::pair<unsigned, unsigned> FormatBits(const QrCode& code) {
    unsigned first = 0, second = 0;
    auto bit = [&](int x, int y, int i, unsigned& into) { into |= unsigned(code.Dark(x, y)) << i; };
    for (int i = 0; i <= 5; ++i) bit(8, i, i, first);
    bit(8, 7, 6, first);
    bit(8, 8, 7, first);
    bit(7, 8, 8, first);
    for (int i = 9; i < 15; ++i) bit(14 - i, 8, i, first);
    for (int i = 0; i < 8; ++i) bit(code.size - 1 - i, 8, i, second);
    for (int i = 8; i < 15; ++i) bit(8, code.size - 15 + i, i, second);
    return {first, second};
}

// The remainder of the format bits over the BCH(15,5) generator: 0 for a
// sound code word.
unsigned BchRemainder(unsigned word) {
    for (int bit = 14; bit >= 10; --bit)
        if (word & (1u << bit)) word ^= 0x537u << (bit - 10);
    return word;
}

TEST(QrCode, SymbolsHoldTheirPatternsAndLevelMAtTheSmallestVersion) {
    const std::string url = "http://192.168.100.200:65535/?t=9e4f542b612860e39b0fe8acb60ffbbb";
    // Level M holds 14 bytes in version 1, 26 in 2, 62 in 4, 84 in 5.
    const std::pair<std::string, int> cases[] = {
        {std::string(14, 'a'), 1}, {std::string(15, 'a'), 2}, {std::string(62, 'x'), 4}, {url, 5},
        {std::string(84, '~'), 5}, {std::string(85, '~'), 6},
    };
    for (const auto& [text, version] : cases) {
        SCOPED_TRACE(text);
        const std::optional<QrCode> code = EncodeQr(text);
        ASSERT_TRUE(code);
        EXPECT_EQ(code->version, version);
        ASSERT_EQ(code->size, 17 + 4 * code->version);
        ASSERT_EQ(code->dark.size(), std::size_t(code->size * code->size));
        ExpectFinder(*code, 0, 0);
        ExpectFinder(*code, code->size - 7, 0);
        ExpectFinder(*code, 0, code->size - 7);
        for (int i = 8; i < code->size - 8; ++i) {
            EXPECT_EQ(code->Dark(i, 6), i % 2 == 0) << "timing row at " << i;
            EXPECT_EQ(code->Dark(6, i), i % 2 == 0) << "timing column at " << i;
        }
        EXPECT_TRUE(code->Dark(8, code->size - 8)) << "the dark module";
        const auto [first, second] = FormatBits(*code);
        EXPECT_EQ(first, second);
        const unsigned format = first ^ 0x5412u;
        EXPECT_EQ(BchRemainder(format), 0u);
        EXPECT_EQ(format >> 13, 0u) << "level M";
    }
    // Level M holds at most 2331 bytes (version 40).
    EXPECT_EQ(EncodeQr(std::string(2331, 'a'))->version, 40);
    EXPECT_FALSE(EncodeQr(std::string(2332, 'a')));
    EXPECT_FALSE(EncodeQr(""));
}

TEST(QrCode, PictureScalesEveryModuleInsideAWhiteQuietZone) {
    const QrCode code = *EncodeQr("http://127.0.0.1:8080/?t=0123456789abcdef0123456789abcdef");
    const int scale = 3;
    const Bitmap picture = QrPicture(code, scale);
    const int side = (code.size + 2 * kQrQuietZone) * scale;
    ASSERT_EQ(picture.Width(), side);
    ASSERT_EQ(picture.Height(), side);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const int mx = x / scale - kQrQuietZone, my = y / scale - kQrQuietZone;
            const bool inside = mx >= 0 && my >= 0 && mx < code.size && my < code.size;
            const bool dark = inside && code.Dark(mx, my);
            ASSERT_EQ(picture.GetPixel(x, y), dark ? clBlack : clWhite) << x << "," << y;
        }
    }
}

}  // namespace
}  // namespace dsp
