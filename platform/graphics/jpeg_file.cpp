#include "platform/graphics/jpeg_file.h"

// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on

#include <algorithm>
#include <csetjmp>
#include <cstdlib>
#include <string>

#include "platform/graphics/jpeg_size_check.h"

namespace dsp {
namespace {

// A progressive picture needs a dozen scans; thousands of tiny ones are a
// way to make the decoder spin on a small file.
constexpr int kMaxScans = 100;

// libjpeg's default error handler prints and calls exit(). This one keeps
// the message and jumps back to the decode call, which throws from there.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf back;
    char message[JMSG_LENGTH_MAX];

    // The standard manager with our exit and message handlers; what the
    // (de)compressor's err takes.
    jpeg_error_mgr* Install();
};

extern "C" void OnJpegError(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->back, 1);
}

// Warnings (level -1: corrupt data, a premature end, extraneous bytes) are
// fatal: a picture the decoder had to guess at is not shown. Trace messages
// (levels 0 and up) stay quiet.
extern "C" void OnJpegMessage(j_common_ptr info, int level) {
    if (level < 0) OnJpegError(info);
}

jpeg_error_mgr* ErrorManager::Install() {
    jpeg_std_error(&base);
    base.error_exit = OnJpegError;
    base.emit_message = OnJpegMessage;
    message[0] = '\0';
    return &base;
}

extern "C" void OnJpegProgress(j_common_ptr info) {
    auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
    if (info->is_decompressor && decompress->input_scan_number > kMaxScans) {
        auto* manager = reinterpret_cast<ErrorManager*>(info->err);
        std::snprintf(manager->message, sizeof manager->message, "more than %d scans", kMaxScans);
        std::longjmp(manager->back, 1);
    }
}

// Returns an empty string on success, else the reason. No object with a
// destructor lives in this frame across the jump.
std::string Decode(std::span<const std::uint8_t> data, Bitmap& picture, int maxRows, int& height) {
    jpeg_decompress_struct info;
    jpeg_progress_mgr progress{};
    progress.progress_monitor = OnJpegProgress;
    ErrorManager errors;
    info.err = errors.Install();
    if (setjmp(errors.back)) {
        jpeg_destroy_decompress(&info);
        return errors.message[0] ? errors.message : "decoder error";
    }
    jpeg_create_decompress(&info);
    info.progress = &progress;
    jpeg_mem_src(&info, data.data(), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    // A short stream claiming a huge size is refused before its pixels take
    // any memory.
    if (std::string problem = JpegSizeProblem(info.image_width, info.image_height, data.size());
        !problem.empty()) {
        jpeg_destroy_decompress(&info);
        return problem;
    }
    if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK) {
        jpeg_destroy_decompress(&info);
        return "CMYK pictures are not supported";
    }
    info.out_color_space = JCS_EXT_BGRX;  // straight into our pixel layout
    jpeg_start_decompress(&info);
    height = int(info.output_height);
    const int rows = std::clamp(maxRows, 0, height);
    picture.SetSize(int(info.output_width), rows);
    while (int(info.output_scanline) < rows) {
        JSAMPROW row = reinterpret_cast<JSAMPROW>(picture.Row(int(info.output_scanline)));
        jpeg_read_scanlines(&info, &row, 1);
    }
    // Rows decode top to bottom, each the same however many follow it.
    if (rows == height) jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return {};
}

std::string Encode(const Bitmap& picture, int quality, JpegChroma chroma, unsigned char** out,
                   unsigned long* size) {
    jpeg_compress_struct info;
    ErrorManager errors;
    info.err = errors.Install();
    if (setjmp(errors.back)) {
        jpeg_destroy_compress(&info);
        return errors.message[0] ? errors.message : "encoder error";
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, out, size);
    info.image_width = JDIMENSION(picture.Width());
    info.image_height = JDIMENSION(picture.Height());
    info.input_components = 4;
    info.in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    if (chroma == JpegChroma::Full)
        for (int c = 0; c < info.num_components; ++c)
            info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor = 1;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = reinterpret_cast<JSAMPROW>(const_cast<Pixel*>(picture.Row(int(info.next_scanline))));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return {};
}

}  // namespace

std::vector<std::uint8_t> EncodeJpeg(const Bitmap& picture, int quality, JpegChroma chroma) {
    if (picture.Empty()) throw InvalidJpeg("cannot write an empty picture");
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const std::string error = Encode(picture, std::clamp(quality, 1, 100), chroma, &buffer, &size);
    std::vector<std::uint8_t> out;
    if (error.empty()) out.assign(buffer, buffer + size);
    std::free(buffer);
    if (!error.empty()) throw InvalidJpeg(error);
    return out;
}

Bitmap DecodeJpeg(std::span<const std::uint8_t> data) {
    int height = 0;
    return DecodeJpegTop(data, kMaxBitmapSide, &height);
}

Bitmap DecodeJpegTop(std::span<const std::uint8_t> data, int rows, int* height) {
    if (data.empty()) throw InvalidJpeg("no data");
    Bitmap picture;
    const std::string error = Decode(data, picture, rows, *height);
    if (!error.empty()) throw InvalidJpeg(error);
    Pixel* p = picture.Data();
    for (std::size_t i = 0, n = std::size_t(picture.Width()) * picture.Height(); i < n; ++i)
        p[i] &= 0x00FFFFFFu;
    return picture;
}

}  // namespace dsp
