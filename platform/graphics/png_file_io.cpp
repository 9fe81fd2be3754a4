// Reading and writing PNG files whole; the codec is the platform's.

#include <cstring>

#include "platform/graphics/file_bytes.h"
#include "platform/graphics/png_file.h"

namespace dsp {

namespace {

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    if (const int error = WriteFileBytes(path, bytes)) {
        throw PictureError("cannot write " + path + ": " + std::strerror(error));
    }
}

}  // namespace

void WritePngFile(const std::string& path, const Bitmap& picture) { WriteBytes(path, EncodePng(picture)); }

void WritePngFileWithAlpha(const std::string& path, const Bitmap& picture) {
    WriteBytes(path, EncodePngWithAlpha(picture));
}

Bitmap ReadPngFile(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (const int error = ReadFileBytes(path, bytes)) {
        throw PictureError("cannot read " + path + ": " + std::strerror(error));
    }
    return DecodePng(bytes);
}

}  // namespace dsp
