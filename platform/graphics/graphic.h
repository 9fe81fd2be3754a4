#pragma once
// Picture classes: a TGraphic is a picture loaded from the bytes of its file
// form, kept as a Bitmap for drawing. TBitmapImage reads BMP files, TJPEGImage
// JPEG files. The picture-format registry maps file extensions to these
// classes.

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "platform/graphics/bitmap.h"

namespace dsp {

class TGraphic {
  public:
    virtual ~TGraphic() = default;
    // Replaces the picture; throws a PictureError and keeps the old picture
    // when the bytes are not a valid file of the class's kind.
    virtual void LoadFromBytes(std::span<const std::uint8_t> data) = 0;
    virtual std::string ClassName() const = 0;

    const dsp::Bitmap& Picture() const { return picture_; }
    int Width() const { return picture_.Width(); }
    int Height() const { return picture_.Height(); }
    bool Empty() const { return picture_.Empty(); }

  protected:
    dsp::Bitmap picture_;
};

class TBitmapImage : public TGraphic {
  public:
    void LoadFromBytes(std::span<const std::uint8_t> data) override;
    std::string ClassName() const override { return "TBitmap"; }
};

class TJPEGImage : public TGraphic {
  public:
    void LoadFromBytes(std::span<const std::uint8_t> data) override;
    std::string ClassName() const override { return "TJPEGImage"; }
};

}  // namespace dsp
