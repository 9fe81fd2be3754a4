// BMP, PNG and JPEG files: round trips at every depth, the exact BMP layout,
// and refusal of bad files with a clear message and no huge allocation.

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "platform/graphics/bmp_file.h"
#include "platform/graphics/jpeg_file.h"
#include "platform/graphics/picture_formats.h"
#include "platform/graphics/png_file.h"

namespace dsp {
namespace {

using Bytes = std::vector<std::uint8_t>;

// What DecodeBmp says of a file: empty when it reads it.
std::string DecodeVerdict(const Bytes& f) {
    try {
        DecodeBmp(f);
        return "";
    } catch (const InvalidBitmap& e) {
        return e.what();
    }
}

std::string CheckVerdict(const Bytes& f) {
    try {
        CheckBmp(f);
        return "";
    } catch (const InvalidBitmap& e) {
        return e.what();
    }
}

Bitmap RandomPicture(int w, int h, int colours, unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<Color> palette;
    for (int i = 0; i < colours; ++i) palette.push_back(rng() & 0xFFFFFF);
    Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.SetPixel(x, y, palette[rng() % palette.size()]);
    return b;
}

void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = std::uint8_t(v >> (8 * i));
}

// A file of `size` zero bytes with the headers of a width x height picture
// of `bits` per pixel whose pixels start at `pixelOffset`.
Bytes HandMadeBmp(std::size_t size, std::uint32_t pixelOffset, std::uint32_t width, std::uint32_t height,
                  std::uint8_t bits) {
    Bytes f(size, 0);
    f[0] = 'B', f[1] = 'M';
    Put32(f, 2, std::uint32_t(size));
    Put32(f, 10, pixelOffset);
    Put32(f, 14, 40);
    Put32(f, 18, width);
    Put32(f, 22, height);
    f[26] = 1, f[28] = bits;
    return f;
}

TEST(BmpFileTest, RoundTripsAtEveryDepthAndOddWidth) {
    const struct { int bits, colours; } depths[] = {{1, 2}, {4, 16}, {8, 256}, {24, 5000}};
    for (auto [bits, colours] : depths) {
        for (int w : {1, 3, 4, 5, 13, 33}) {  // 4: a 24-bit row without padding
            const Bitmap picture = RandomPicture(w, 7, colours, unsigned(w * bits));
            const Bytes file = EncodeBmp(picture, bits);
            std::size_t length = 0;
            EXPECT_EQ(DecodeBmp(file, &length), picture) << bits << " bits, width " << w;
            EXPECT_EQ(length, file.size());
        }
    }
    EXPECT_THROW(EncodeBmp(RandomPicture(9, 9, 40, 1), 4), PictureError);  // more colours than 4 bits hold
}

TEST(BmpFileTest, ReadsAHandMadeBottomUpFourBitFile) {
    // 2 x 2, palette black and red; top row red, black; bottom row black, red.
    Bytes f = HandMadeBmp(70, 62, 2, 2, 4);
    Put32(f, 46, 2);
    f[54 + 4 + 2] = 0xFF;  // palette entry 1: blue 0, green 0, red FF
    f[62] = 0x01;          // bottom row first: indices 0, 1
    f[66] = 0x10;          // top row: indices 1, 0
    const Bitmap b = DecodeBmp(f);
    EXPECT_EQ(b.GetPixel(0, 0), clRed);
    EXPECT_EQ(b.GetPixel(1, 0), clBlack);
    EXPECT_EQ(b.GetPixel(0, 1), clBlack);
    EXPECT_EQ(b.GetPixel(1, 1), clRed);
}

TEST(BmpFileTest, ThirtyTwoBitPixelsDropTheirFourthByte) {
    // 2 x 1, ending right after its last pixel.
    Bytes f = HandMadeBmp(62, 54, 2, 1, 32);
    Put32(f, 54, 0xFF0000FFu);  // blue FF, alpha FF
    Put32(f, 58, 0x80FF0000u);  // red FF, alpha 80
    const Bitmap b = DecodeBmp(f);
    EXPECT_EQ(b.GetPixel(0, 0), clBlue);
    EXPECT_EQ(b.GetPixel(1, 0), clRed);
}

TEST(BmpFileTest, TopDownRowsAndBackToBackFiles) {
    const Bitmap picture = RandomPicture(5, 4, 1000, 3);
    Bytes file = EncodeBmp(picture, 24);
    const std::size_t stride = 16, offset = 54;
    Bytes flipped = file;
    for (int row = 0; row < 4; ++row) {
        std::memcpy(&flipped[offset + row * stride], &file[offset + (3 - row) * stride], stride);
    }
    Put32(flipped, 22, std::uint32_t(-4));
    EXPECT_EQ(DecodeBmp(flipped), picture);

    const Bitmap second = RandomPicture(3, 3, 2, 4);
    Bytes both = file;
    const Bytes next = EncodeBmp(second, 1);
    both.insert(both.end(), next.begin(), next.end());
    std::size_t length = 0;
    EXPECT_EQ(DecodeBmp(both, &length), picture);
    EXPECT_EQ(DecodeBmp(std::span(both).subspan(length)), second);
}

TEST(BmpFileTest, BadFilesAreRefusedWithAClearMessage) {
    const Bytes good = EncodeBmp(RandomPicture(4, 4, 4, 5), 4);  // offset 54 + 16 * 4 = 118
    // The check without decoding refuses every one of them the same way.
    auto refuse = [](const Bytes& f, const char* reason) {
        const std::string verdict = DecodeVerdict(f);
        EXPECT_EQ(verdict.rfind("not a valid bitmap: ", 0), 0u) << reason << ": " << verdict;
        EXPECT_NE(verdict.find(reason), std::string::npos) << verdict;
        EXPECT_EQ(CheckVerdict(f), verdict);
    };
    auto with = [&](std::size_t at, std::uint32_t v) {
        Bytes f = good;
        Put32(f, at, v);
        return f;
    };
    refuse(Bytes(good.begin(), good.begin() + 20), "too short");
    refuse(with(0, 0x12345678), "signature");
    refuse(with(18, 0x7FFFFFFF), "larger than 16384 x 16384");
    refuse(with(22, 0x80000000u), "larger than");
    refuse(with(18, 0), "size 0");
    refuse(with(22, 0), "size");
    // A size within the cap whose rows the data does not hold: refused
    // before any pixel memory is taken.
    refuse(with(18, 16384), "past the end");
    refuse(with(10, 0xFFFFFF00u), "past the end");
    refuse(with(10, 20), "inside the headers");
    refuse(with(2, 1u << 30), "past the end");
    refuse(with(2, 60), "shorter than its pixels");
    refuse(with(30, 1), "RLE");
    refuse(with(30, 2), "RLE");
    refuse(with(30, 3), "bit-field");
    refuse(with(46, 1000), "palette of 1000 colours");
    refuse(with(14, 0xFFFFFFF0u), "header size");
    Bytes sixteen = good;
    sixteen[28] = 16;
    refuse(sixteen, "16 bits per pixel");
    // Palette of 2 colours, but the pixels use indices up to 3.
    Bytes small = with(46, 2);
    small[54 + 8] = 0x32;
    Put32(small, 10, 54 + 8);
    refuse(small, "palette index 3 beyond the 2 colours");
}

// Random damage to the headers and palette of valid files: every result is
// a picture or an InvalidBitmap, never a crash or a read past the data (the
// sanitizer build checks the latter), and the check alone agrees.
TEST(BmpFileTest, DamagedHeadersNeverCrash) {
    std::mt19937 rng(11);
    const Bytes files[] = {EncodeBmp(RandomPicture(7, 5, 2, 1), 1), EncodeBmp(RandomPicture(6, 3, 16, 2), 4),
                           EncodeBmp(RandomPicture(5, 4, 200, 3), 8),
                           EncodeBmp(RandomPicture(3, 3, 9, 4), 24)};
    int refused = 0;
    for (int round = 0; round < 4000; ++round) {
        Bytes f = files[round % 4];
        for (int k = 0; k < 3; ++k) f[rng() % std::min<std::size_t>(f.size(), 70)] = std::uint8_t(rng());
        if (round % 7 == 0) f.resize(rng() % f.size());
        try {
            const Bitmap b = DecodeBmp(f);
            EXPECT_FALSE(b.Empty());
        } catch (const InvalidBitmap&) {
            ++refused;
        }
        EXPECT_EQ(CheckVerdict(f), DecodeVerdict(f)) << "round " << round;
    }
    EXPECT_GT(refused, 100);
}

TEST(PngFileTest, RoundTripAndRefusal) {
    const Bitmap picture = RandomPicture(17, 9, 100000, 6);
    EXPECT_EQ(DecodePng(EncodePng(picture)), picture);
    Bytes bad = EncodePng(picture);
    bad.resize(40);
    EXPECT_THROW(DecodePng(bad), InvalidPng);
    EXPECT_THROW(DecodePng(Bytes(100, 7)), InvalidPng);
    EXPECT_THROW(ReadPngFile("/nonexistent/picture.png"), PictureError);
}

Bitmap Gradient(int w, int h) {
    Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.SetPixel(x, y, MakeColor(std::uint8_t(x * 4), std::uint8_t(y * 5), 128));
    return b;
}

TEST(JpegFileTest, DecodesWhatItEncodesWithinTolerance) {
    const Bitmap picture = Gradient(64, 48);
    const Bitmap back = DecodeJpeg(EncodeJpeg(picture, 95));
    ASSERT_EQ(back.Width(), 64);
    ASSERT_EQ(back.Height(), 48);
    int worst = 0;
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 64; ++x) {
            const Color a = picture.GetPixel(x, y), b = back.GetPixel(x, y);
            worst = std::max({worst, std::abs(RedOf(a) - RedOf(b)), std::abs(GreenOf(a) - GreenOf(b)),
                              std::abs(BlueOf(a) - BlueOf(b))});
        }
    }
    EXPECT_LT(worst, 12);
}

// The top rows alone are the same pixels as the whole picture's, on either
// side of a block row and of the halved chroma's row pairs.
TEST(JpegFileTest, TopRowsAreTheWholePicturesRows) {
    Bitmap picture(40, 37);
    for (int y = 0; y < 37; ++y)
        for (int x = 0; x < 40; ++x)
            picture.SetPixel(x, y, MakeColor(std::uint8_t(x * 6), std::uint8_t(y * y), std::uint8_t(x * y)));
    const Bytes file = EncodeJpeg(picture, 90);
    const Bitmap whole = DecodeJpeg(file);
    for (int rows : {0, 1, 7, 8, 9, 16, 17, 36, 37, 500}) {
        int height = 0;
        const Bitmap top = DecodeJpegTop(file, rows, &height);
        EXPECT_EQ(height, 37);
        ASSERT_EQ(top.Height(), std::min(rows, 37)) << rows;
        for (int y = 0; y < top.Height(); ++y)
            ASSERT_TRUE(std::equal(top.Row(y), top.Row(y) + 40, whole.Row(y))) << rows << " rows, row " << y;
    }
}

#if !defined(_WIN32)  // Wine's imaging component, which the Windows tests run on, ignores the option
// Columns of red and blue one pixel wide: halved chroma blurs them into
// each other, full chroma keeps each pixel's own colour.
TEST(JpegFileTest, FullChromaKeepsEachPixelsColour) {
    Bitmap stripes(32, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 32; ++x)
            stripes.SetPixel(x, y, x % 2 ? MakeColor(220, 0, 0) : MakeColor(0, 0, 220));
    auto worstRed = [&](JpegChroma chroma) {
        const Bitmap back = DecodeJpeg(EncodeJpeg(stripes, 95, chroma));
        int worst = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 32; ++x)
                worst = std::max(worst, std::abs(RedOf(back.GetPixel(x, y)) - RedOf(stripes.GetPixel(x, y))));
        return worst;
    };
    EXPECT_LT(worstRed(JpegChroma::Full), 24);
    EXPECT_GT(worstRed(JpegChroma::Halved), 60);
}
#endif

TEST(JpegFileTest, RejectedStreamsThrowInsteadOfEndingTheProgram) {
    const Bytes good = EncodeJpeg(Gradient(16, 16));
    EXPECT_THROW(DecodeJpeg(Bytes{}), InvalidJpeg);
    EXPECT_THROW(DecodeJpeg(Bytes(500, 0x42)), InvalidJpeg);
    EXPECT_THROW(DecodeJpeg(Bytes(good.begin(), good.begin() + 30)), InvalidJpeg);
    Bytes huge = good;  // frame header height/width patched to 65000 x 65000
    for (std::size_t i = 0; i + 8 < huge.size(); ++i) {
        if (huge[i] == 0xFF && huge[i + 1] == 0xC0) {
            huge[i + 5] = huge[i + 7] = 0xFD;
            huge[i + 6] = huge[i + 8] = 0xE8;
            break;
        }
    }
    try {
        DecodeJpeg(huge);
        ADD_FAILURE() << "accepted";
    } catch (const InvalidJpeg& e) {
        EXPECT_EQ(std::string(e.what()).rfind("not a valid JPEG picture: ", 0), 0u);
    }
    // Within the cap, but far more pixels than the bytes could describe.
    Bytes claims = good;
    for (std::size_t i = 0; i + 8 < claims.size(); ++i) {
        if (claims[i] == 0xFF && claims[i + 1] == 0xC0) {
            claims[i + 5] = claims[i + 7] = 0x1F;  // 8000 x 8000
            claims[i + 6] = claims[i + 8] = 0x40;
            break;
        }
    }
    try {
        DecodeJpeg(claims);
        ADD_FAILURE() << "accepted";
    } catch (const InvalidJpeg& e) {
        EXPECT_NE(std::string(e.what()).find("8000 x 8000 is too large for"), std::string::npos) << e.what();
    }
}

TEST(JpegFileTest, DamagedStreamsNeverCrash) {
    std::mt19937 rng(12);
    const Bytes good = EncodeJpeg(Gradient(24, 16));
    int refused = 0;
    for (int round = 0; round < 300; ++round) {
        Bytes f = good;
        for (int k = 0; k < 4; ++k) f[rng() % f.size()] = std::uint8_t(rng());
        try {
            EXPECT_FALSE(DecodeJpeg(f).Empty());
        } catch (const InvalidJpeg&) {
            ++refused;
        }
    }
    EXPECT_GT(refused, 10);
}

TEST(PictureFormatsTest, JpegStartUpStepRegistersBothExtensions) {
    PictureFormats formats;
    EXPECT_EQ(formats.FindExtension("jpg"), nullptr);
    RegisterJpegFormat(formats);
    for (const char* ext : {"jpeg", "jpg", ".JPG"}) {
        const PictureFormats::Format* f = formats.FindExtension(ext);
        ASSERT_NE(f, nullptr) << ext;
        EXPECT_EQ(f->description, "JPEG Image File");
        EXPECT_EQ(f->className, "TJPEGImage");
    }
    const auto graphic = formats.Load("jpg", EncodeJpeg(Gradient(10, 6)));
    EXPECT_EQ(graphic->ClassName(), "TJPEGImage");
    EXPECT_EQ(graphic->Width(), 10);
    EXPECT_EQ(formats.Load("BMP", EncodeBmp(Gradient(3, 2)))->Picture(), Gradient(3, 2));
    EXPECT_THROW(formats.Load("gif", Bytes(10)), PictureError);
    EXPECT_THROW(formats.Load("jpeg", Bytes(10)), InvalidJpeg);
    formats.Unregister("TJPEGImage");
    EXPECT_EQ(formats.FindClass("TJPEGImage"), nullptr);
}

}  // namespace
}  // namespace dsp
