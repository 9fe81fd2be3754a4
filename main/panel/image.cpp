#include "main/panel/image.h"

namespace dsp {

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {}

void TImage::SetPicture(Bitmap picture) {
    picture_ = std::move(picture);
    Invalidate();
}

void TImage::SetStretch(bool stretch) {
    stretch_ = stretch;
    Invalidate();
}

void TImage::Paint() {
    Canvas* canvas = PaintCanvas();
    if (!canvas || picture_.Empty()) return;
    if (stretch_)
        canvas->StretchDraw(ClientRect(), picture_, picture_.Bounds());
    else
        canvas->CopyRect({0, 0}, picture_, Rect{0, 0, Width(), Height()});
}

}  // namespace dsp
