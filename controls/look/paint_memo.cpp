#include "controls/look/paint_memo.h"

#include <algorithm>
#include <cstring>

namespace dsp {
namespace {

// The control's rectangle on the bitmap, when the bitmap and the clip hold
// all of it.
std::optional<Rect> WhollyVisible(const Canvas& canvas, Size size) {
    const Rect logical{0, 0, size.cx, size.cy};
    const Rect device = logical.Offset(canvas.Origin());
    if (logical.IsEmpty() || Intersect(device, canvas.Target().Bounds()) != device) return std::nullopt;
    const Region inside(logical);
    if (canvas.ClipRegion().Intersect(inside) != inside) return std::nullopt;
    return device;
}

std::size_t RowBytes(const Rect& r) { return std::size_t(r.Width()) * sizeof(Pixel); }

Bitmap Grab(const Bitmap& from, const Rect& r) {
    Bitmap out(r.Width(), r.Height());
    for (int y = 0; y < r.Height(); ++y) std::memcpy(out.Row(y), from.Row(r.top + y) + r.left, RowBytes(r));
    return out;
}

bool SamePixels(const Bitmap& on, const Rect& r, const Bitmap& kept) {
    for (int y = 0; y < r.Height(); ++y) {
        if (std::memcmp(kept.Row(y), on.Row(r.top + y) + r.left, RowBytes(r)) != 0) return false;
    }
    return true;
}

}  // namespace

bool PaintMemo::Paint(Canvas& canvas, Size size, bool sameLook, const std::function<void()>& draw) {
    const std::optional<Rect> device = WhollyVisible(canvas, size);
    if (!device) {
        draw();
        return false;
    }
    Bitmap& target = canvas.Target();
    if (sameLook && kept_ && kept_->behind.Width() == size.cx && kept_->behind.Height() == size.cy &&
        SamePixels(target, *device, kept_->behind)) {
        for (int y = 0; y < device->Height(); ++y)
            std::memcpy(target.Row(device->top + y) + device->left, kept_->painted.Row(y), RowBytes(*device));
        return false;
    }
    Bitmap behind = Grab(target, *device);
    draw();
    kept_ = Pictures{std::move(behind), Grab(target, *device)};
    return true;
}

const Bitmap& BodyCache::Get(Size size, int variant, const std::function<void(Canvas&)>& compose) {
    if (body_.Width() == size.cx && body_.Height() == size.cy && !body_.Empty() && variant_ == variant)
        return body_;
    body_ = Bitmap(std::max(size.cx, 0), std::max(size.cy, 0), clBtnFace);
    variant_ = variant;
    if (!body_.Empty()) {
        Canvas canvas(body_);
        compose(canvas);
    }
    return body_;
}

}  // namespace dsp
