// Picture files made to hurt: sizes their data cannot hold, streams that
// would expand without end, thousands of progressive scans, and streams the
// decoder would have to guess at. Each is refused with one clear error
// before it takes memory.

#include <gtest/gtest.h>

// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/graphics/jpeg_file.h"
#include "platform/graphics/picture_error.h"
#include "platform/graphics/png_file.h"

namespace dsp {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bitmap Flat(int w, int h) { return Bitmap(w, h, MakeColor(40, 90, 200)); }

template <class Error, class F>
std::string ErrorOf(F&& decode) {
    try {
        decode();
    } catch (const Error& e) {
        return e.what();
    }
    return "accepted";
}

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// The PNG with its IHDR size replaced (and its checksum made right again).
Bytes WithPngSize(Bytes png, std::uint32_t width, std::uint32_t height) {
    auto put = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) png[at + i] = std::uint8_t(v >> (24 - 8 * i));
    };
    put(16, width);  // signature 8, length 4, "IHDR" 4
    put(20, height);
    put(29, Crc32(png.data() + 12, 17));
    return png;
}

TEST(HostilePictures, PngSizesBeyondTheirDataAreRefusedBeforeDecoding) {
    const Bytes small = EncodePng(Flat(8, 8));
    ASSERT_EQ(DecodePng(WithPngSize(small, 8, 8)).Width(), 8);
    // A few dozen bytes claiming 16 million pixels: refused by the pixel cap.
    EXPECT_NE(
        ErrorOf<InvalidPng>([&] { DecodePng(WithPngSize(small, 4096, 4096)); }).find("size 4096 x 4096"),
        std::string::npos);
    // Within the cap, but more than deflate could expand these bytes to.
    EXPECT_NE(ErrorOf<InvalidPng>([&] {
                  DecodePng(WithPngSize(small, 2000, 2000));
              }).find("2000 x 2000 is too large for"),
              std::string::npos);
}

TEST(HostilePictures, PngThatExpandsAThousandFoldStaysWithinTheCap) {
    // A flat picture compresses about 1000:1; it is genuine and is read.
    const Bytes flat = EncodePng(Flat(1024, 1024));
    EXPECT_LT(flat.size() * 500, std::size_t(1024) * 1024 * 3);
    EXPECT_EQ(DecodePng(flat).GetPixel(1000, 1000), MakeColor(40, 90, 200));
}

// A grey JPEG in `scans` progressive scans: the DC scan, then one AC band
// after the other in successive-approximation steps.
Bytes ManyScanJpeg(int acBands, int steps) {
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = 16;
    info.image_height = 16;
    info.input_components = 1;
    info.in_color_space = JCS_GRAYSCALE;
    jpeg_set_defaults(&info);
    std::vector<jpeg_scan_info> script;
    script.push_back({1, {0}, 0, 0, 0, 0});
    for (int band = 1; band <= acBands; ++band) {
        script.push_back({1, {0}, band, band, 0, steps});
        for (int al = steps; al > 0; --al) script.push_back({1, {0}, band, band, al, al - 1});
    }
    info.scan_info = script.data();
    info.num_scans = int(script.size());
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(16);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) row[x] = JSAMPLE((x * 13 + y * 7) & 0xFF);
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    Bytes out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

TEST(HostilePictures, JpegWithVeryManyScansIsRefused) {
    EXPECT_EQ(DecodeJpeg(ManyScanJpeg(9, 1)).Width(), 16);  // 19 scans: a genuine progressive picture
    EXPECT_EQ(ErrorOf<InvalidJpeg>([] { DecodeJpeg(ManyScanJpeg(63, 10)); }),
              "not a valid JPEG picture: more than 100 scans");
}

TEST(HostilePictures, JpegTheDecoderWouldHaveToGuessAtIsRefused) {
    const Bytes good = EncodeJpeg(Flat(32, 32));
    ASSERT_EQ(DecodeJpeg(good).Width(), 32);
    // Cut inside the scan: the decoder would pad the rest and warn.
    const Bytes cut(good.begin(), good.end() - 40);
    EXPECT_NE(ErrorOf<InvalidJpeg>([&] { DecodeJpeg(cut); }).find("Premature end"), std::string::npos);
    // Junk between the scan and the end marker.
    Bytes junk(good.begin(), good.end() - 2);
    junk.insert(junk.end(), {0x12, 0x34, 0xFF, 0xD9});
    EXPECT_NE(ErrorOf<InvalidJpeg>([&] { DecodeJpeg(junk); }), "accepted");
}

}  // namespace
}  // namespace dsp
