#include "main/panel/image.h"

#include <algorithm>

#include "platform/graphics/jpeg_file.h"

namespace dsp {

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {}

void TImage::SetPicture(Bitmap picture) {
    jpeg_.clear();
    picture_ = std::move(picture);
    height_ = picture_.Height();
    Invalidate();
}

void TImage::SetJpeg(std::span<const std::uint8_t> file) {
    int height = 0;
    Bitmap top = DecodeJpegTop(file, Height(), &height);
    jpeg_.assign(file.begin(), file.end());
    picture_ = std::move(top);
    height_ = height;
    if (picture_.Height() == height_) jpeg_.clear();
    Invalidate();
}

const Bitmap& TImage::Rows(int rows) const {
    if (!jpeg_.empty() && picture_.Height() < std::min(rows, height_)) {
        picture_ = DecodeJpegTop(jpeg_, rows, &height_);
        if (picture_.Height() == height_) jpeg_.clear();
    }
    return picture_;
}

void TImage::SetStretch(bool stretch) {
    stretch_ = stretch;
    Invalidate();
}

void TImage::Paint() {
    Canvas* canvas = PaintCanvas();
    if (!canvas) return;
    const Bitmap& picture = stretch_ ? Picture() : Rows(Height());
    if (picture.Empty()) return;
    if (stretch_)
        canvas->StretchDraw(ClientRect(), picture, picture.Bounds());
    else
        canvas->CopyRect({0, 0}, picture, Rect{0, 0, Width(), Height()});
}

}  // namespace dsp
