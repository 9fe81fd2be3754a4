#pragma once
// PictureFormats: which picture class reads files of which extension, with
// the description a file dialog shows. It knows bitmaps ("bmp") from the
// start; module start-up adds further classes (RegisterJpegFormat adds
// TJPEGImage for "jpeg" and "jpg" as "JPEG Image File"). The application
// owns the one instance.

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/graphics/graphic.h"

namespace dsp {

class PictureFormats {
  public:
    using Factory = std::function<std::unique_ptr<TGraphic>()>;
    struct Format {
        std::string extension;  // lower case, without the dot
        std::string description;
        std::string className;
        Factory create;
    };

    PictureFormats();

    // A second registration of an extension replaces the first.
    void Register(std::string_view extension, std::string_view description, std::string_view className,
                  Factory create);
    void Unregister(std::string_view className);

    // Extension with or without its dot, in any letter case; nullptr when
    // unknown.
    const Format* FindExtension(std::string_view extension) const;
    const Format* FindClass(std::string_view className) const;
    const std::vector<Format>& Formats() const { return formats_; }

    // Creates the class for the extension and loads the bytes into it.
    // Throws PictureError for an unknown extension or a bad file.
    std::unique_ptr<TGraphic> Load(std::string_view extension, std::span<const std::uint8_t> data) const;

  private:
    std::vector<Format> formats_;
};

// The JPEG start-up step: TJPEGImage for "jpeg" and "jpg", "JPEG Image File".
void RegisterJpegFormat(PictureFormats& formats);

}  // namespace dsp
