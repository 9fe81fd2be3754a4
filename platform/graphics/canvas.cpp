#include "platform/graphics/canvas.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/graphics/canvas_clip.h"

namespace dsp {

Canvas::Canvas(Bitmap& target) : target_(target) {
    clips_.reserve(16);  // the depth of a window's tree of controls
    clips_.push_back({target.Bounds(), std::nullopt});
}

void Canvas::SetClip(Region&& device) {
    if (device.IsEmpty() || device.IsRect()) {
        clips_.push_back({device.Bounds(), std::nullopt});
        return;
    }
    const Rect bounds = device.Bounds();
    clips_.push_back({bounds, std::move(device)});
}

Region Canvas::CurrentRegion() const {
    const Clip& top = clips_.back();
    return top.region ? *top.region : Region(top.bounds);
}

void Canvas::PushClip(const Rect& r) {
    if (ClipIsRect()) {  // the usual case, without region arithmetic
        const Rect narrowed = Intersect(ClipRect(), ToDevice(r));
        clips_.push_back({narrowed, std::nullopt});
        return;
    }
    SetClip(clips_.back().region->Intersect(Region(ToDevice(r))));
}

void Canvas::PushClip(const Region& r) {
    if (r.IsEmpty() || r.IsRect()) {
        PushClip(r.Bounds());
        return;
    }
    Region device = r;
    device.Offset(origin_.x, origin_.y);
    SetClip(CurrentRegion().Intersect(device));
}

void Canvas::PopClip() {
    if (clips_.size() > 1) clips_.pop_back();
}

void Canvas::ExcludeClip(const Rect& r) {
    Region top = CurrentRegion().Subtract(Region(ToDevice(r)));
    clips_.pop_back();
    SetClip(std::move(top));
}

Region Canvas::ClipRegion() const {
    Region logical = CurrentRegion();
    logical.Offset(-origin_.x, -origin_.y);
    return logical;
}

Rect Canvas::ClipBox() const {
    const Rect& box = ClipRect();
    return box.IsEmpty() ? Rect{} : box.Offset(-origin_.x, -origin_.y);
}

bool Canvas::IsVisible(Point p) const {
    const Point d = p + origin_;
    return ClipIsRect() ? ClipRect().Contains(d) : clips_.back().region->Contains(d);
}

Color Canvas::GetPixel(Point p) const {
    if (!IsVisible(p)) return kInvalidColor;
    return target_.GetPixel(p.x + origin_.x, p.y + origin_.y);
}

void Canvas::SetPixel(Point p, Color c) {
    if (IsVisible(p)) target_.SetPixel(p.x + origin_.x, p.y + origin_.y, c);
}

void Canvas::FillRect(const Rect& r, Color c) {
    const Pixel value = ColorToPixel(ResolveColor(c));
    ForEachVisible(ToDevice(r), [&](const Rect& piece) {
        // One row filled, the others copied from it (a block copy is the
        // fastest store the library has).
        Pixel* first = target_.Row(piece.top) + piece.left;
        std::fill_n(first, piece.Width(), value);
        for (int y = piece.top + 1; y < piece.bottom; ++y) {
            std::memcpy(target_.Row(y) + piece.left, first, std::size_t(piece.Width()) * sizeof(Pixel));
        }
    });
}

void Canvas::FillRegion(const Region& r, Color c) {
    for (const Rect& piece : r.Rects()) FillRect(piece, c);
}

void Canvas::FrameRect(const Rect& r, Color c) {
    if (r.IsEmpty()) return;
    FillRect({r.left, r.top, r.right, r.top + 1}, c);
    FillRect({r.left, r.bottom - 1, r.right, r.bottom}, c);
    FillRect({r.left, r.top + 1, r.left + 1, r.bottom - 1}, c);
    FillRect({r.right - 1, r.top + 1, r.right, r.bottom - 1}, c);
}

void Canvas::Draw3DRect(const Rect& r, Color topLeft, Color bottomRight) {
    if (r.IsEmpty()) return;
    FillRect({r.left, r.top, r.right - 1, r.top + 1}, topLeft);
    FillRect({r.left, r.top + 1, r.left + 1, r.bottom - 1}, topLeft);
    FillRect({r.right - 1, r.top, r.right, r.bottom}, bottomRight);
    FillRect({r.left, r.bottom - 1, r.right - 1, r.bottom}, bottomRight);
}

void Canvas::DrawFocusRect(const Rect& r) {
    if (r.IsEmpty()) return;
    const Rect d = ToDevice(r);
    auto invert = [&](const Rect& edge) {
        ForEachVisible(edge, [&](const Rect& piece) {
            for (int y = piece.top; y < piece.bottom; ++y) {
                Pixel* row = target_.Row(y);
                for (int x = piece.left; x < piece.right; ++x) {
                    if (((x + y) & 1) == 0) row[x] ^= 0x00FFFFFFu;
                }
            }
        });
    };
    // Each pixel of the frame exactly once, so the frame cancels itself out.
    invert({d.left, d.top, d.right, d.top + 1});
    if (d.Height() > 1) invert({d.left, d.bottom - 1, d.right, d.bottom});
    invert({d.left, d.top + 1, d.left + 1, d.bottom - 1});
    if (d.Width() > 1) invert({d.right - 1, d.top + 1, d.right, d.bottom - 1});
}

void Canvas::DrawLine(Point from, Point to, Color c) {
    if (from == to) return;
    if (from.y == to.y) {  // the common cases as fills
        FillRect({std::min(from.x, to.x + 1), from.y, std::max(from.x + 1, to.x), from.y + 1}, c);
        return;
    }
    if (from.x == to.x) {
        FillRect({from.x, std::min(from.y, to.y + 1), from.x + 1, std::max(from.y + 1, to.y)}, c);
        return;
    }
    // Bresenham, stopping one pixel short of the end.
    const int dx = std::abs(to.x - from.x), sx = from.x < to.x ? 1 : -1;
    const int dy = -std::abs(to.y - from.y), sy = from.y < to.y ? 1 : -1;
    int err = dx + dy;
    Point p = from;
    while (p != to) {
        SetPixel(p, c);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            p.x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            p.y += sy;
        }
    }
}

void Canvas::Polyline(std::span<const Point> points, Color c) {
    for (std::size_t i = 1; i < points.size(); ++i) DrawLine(points[i - 1], points[i], c);
}

void Canvas::LineTo(Point p) {
    DrawLine(penPos_, p, penColor_);
    penPos_ = p;
}

}  // namespace dsp
