#include "platform/graphics/picture_formats.h"

#include <algorithm>
#include <cctype>

#include "platform/graphics/picture_error.h"

namespace dsp {
namespace {

std::string NormalExtension(std::string_view extension) {
    if (!extension.empty() && extension.front() == '.') extension.remove_prefix(1);
    std::string out(extension);
    for (char& c : out) c = char(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace

PictureFormats::PictureFormats() {
    Register("bmp", "Bitmaps", "TBitmap", [] { return std::make_unique<TBitmapImage>(); });
}

void PictureFormats::Register(std::string_view extension, std::string_view description,
                              std::string_view className, Factory create) {
    const std::string ext = NormalExtension(extension);
    std::erase_if(formats_, [&](const Format& f) { return f.extension == ext; });
    formats_.push_back({ext, std::string(description), std::string(className), std::move(create)});
}

void PictureFormats::Unregister(std::string_view className) {
    std::erase_if(formats_, [&](const Format& f) { return f.className == className; });
}

const PictureFormats::Format* PictureFormats::FindExtension(std::string_view extension) const {
    const std::string ext = NormalExtension(extension);
    for (const Format& f : formats_) {
        if (f.extension == ext) return &f;
    }
    return nullptr;
}

const PictureFormats::Format* PictureFormats::FindClass(std::string_view className) const {
    for (const Format& f : formats_) {
        if (f.className == className) return &f;
    }
    return nullptr;
}

std::unique_ptr<TGraphic> PictureFormats::Load(std::string_view extension,
                                               std::span<const std::uint8_t> data) const {
    const Format* format = FindExtension(extension);
    if (!format) throw PictureError("unknown picture file extension \"" + std::string(extension) + "\"");
    std::unique_ptr<TGraphic> graphic = format->create();
    graphic->LoadFromBytes(data);
    return graphic;
}

void RegisterJpegFormat(PictureFormats& formats) {
    auto create = [] { return std::make_unique<TJPEGImage>(); };
    formats.Register("jpeg", "JPEG Image File", "TJPEGImage", create);
    formats.Register("jpg", "JPEG Image File", "TJPEGImage", create);
}

}  // namespace dsp
