#pragma once
// Canvas: drawing onto a Bitmap. Coordinates are logical: Origin() says where
// logical (0, 0) falls on the bitmap, so a parent can let a child paint into
// its own frame with the child's coordinates. Every operation is clipped to the
// bitmap and to the current clip, a region kept on a stack: PushClip narrows
// it, PopClip gives back the one before.
//
// Colours may be system colour references; they are resolved when drawn.
// Lines leave out their end pixel and rectangles their right and bottom
// edges, as the platform's drawing calls always have.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/region.h"

namespace dsp {

class Canvas {
  public:
    explicit Canvas(Bitmap& target);

    Bitmap& Target() const { return target_; }
    Point Origin() const { return origin_; }
    void SetOrigin(Point origin) { origin_ = origin; }

    // Clipping, in logical coordinates.
    void PushClip(const Rect& r);
    void PushClip(const Region& r);
    void PopClip();  // the first clip (the whole bitmap) is never popped
    int ClipDepth() const { return int(clips_.size()); }
    // Removes a rectangle from the current clip.
    void ExcludeClip(const Rect& r);
    // The current clip in logical coordinates, and its bounds.
    Region ClipRegion() const;
    Rect ClipBox() const;
    bool IsVisible(Point p) const;

    // Pixels; GetPixel gives kInvalidColor outside the bitmap or the clip.
    Color GetPixel(Point p) const;
    void SetPixel(Point p, Color c);

    // Shapes.
    void FillRect(const Rect& r, Color c);
    void FillRegion(const Region& r, Color c);
    void FrameRect(const Rect& r, Color c);
    // A one-pixel 3-D frame: top and left edges in `topLeft`, right and
    // bottom edges in `bottomRight`, which also owns the top-right and
    // bottom-left corners.
    void Draw3DRect(const Rect& r, Color topLeft, Color bottomRight);
    // The dotted focus frame: every other pixel of the edge inverted, in a
    // pattern fixed to the bitmap, so that drawing it twice removes it.
    void DrawFocusRect(const Rect& r);
    // A line from `from` up to, but not including, `to`.
    void DrawLine(Point from, Point to, Color c);
    // Joined lines through the points; the last point is left out.
    void Polyline(std::span<const Point> points, Color c);
    void SetPenColor(Color c) { penColor_ = c; }
    Color PenColor() const { return penColor_; }
    void MoveTo(Point p) { penPos_ = p; }
    void LineTo(Point p);  // draws with PenColor and moves the pen
    Point PenPos() const { return penPos_; }

    // Pictures. Source rectangles are clipped to the source bitmap.
    void Draw(Point dst, const Bitmap& src);
    void CopyRect(Point dst, const Bitmap& src, const Rect& srcRect);  // plain copy
    // Nearest-neighbour stretch: destination pixel i of n samples source pixel
    // floor((2i + 1) * m / 2n) of m (the pixel whose centre is nearest).
    void StretchDraw(const Rect& dst, const Bitmap& src, const Rect& srcRect);
    // Copies every source pixel except those of the transparent colour.
    void DrawTransparent(Point dst, const Bitmap& src, const Rect& srcRect, Color transparent);
    void StretchTransparent(const Rect& dst, const Bitmap& src, const Rect& srcRect, Color transparent);
    // Repeats the source rectangle from the destination's top-left corner,
    // the last copies cut at its right and bottom edges.
    void TileDraw(const Rect& dst, const Bitmap& src, const Rect& srcRect);
    // Mixes two pictures of the same size: each channel becomes
    // ((parts - part) * from + part * to) / parts, rounded to the nearest
    // (halves up). `parts` is 1 to kMaxMixParts; other arguments draw nothing.
    // Neither picture may be the canvas's own bitmap.
    static constexpr int kMaxMixParts = 16;
    void DrawMix(Point dst, const Bitmap& from, const Bitmap& to, int part, int parts);
    // Blends `color` through an 8-bit coverage mask (0 keeps the pixel, 255
    // replaces it): how anti-aliased glyphs reach the bitmap.
    void BlendCoverage(Point dst, const std::uint8_t* coverage, int width, int height, int pitch,
                       Color color);

  private:
    Rect ToDevice(const Rect& r) const { return r.Offset(origin_); }
    // Calls f(deviceRect) for each piece of `deviceRect` inside the clip.
    template <class F>
    void ForEachVisible(const Rect& deviceRect, F&& f) const;
    void SetClip(Region&& device);
    // The current clip as a region, in device coordinates.
    Region CurrentRegion() const;
    bool ClipIsRect() const { return !clips_.back().region; }
    const Rect& ClipRect() const { return clips_.back().bounds; }
    void Stretch(const Rect& dst, const Bitmap& src, const Rect& srcRect, bool transparent, Pixel key);

    Bitmap& target_;
    Point origin_;
    // One clip of the stack, in device coordinates. Most clips are one
    // rectangle (a control inside its parent), held without region arithmetic.
    struct Clip {
        Rect bounds;                   // the clip itself when it is one rectangle
        std::optional<Region> region;  // set only when it is not
    };
    std::vector<Clip> clips_;  // back() is current
    Color penColor_ = clBlack;
    Point penPos_;
};

// Pushes a clip for the lifetime of the scope.
class ClipScope {
  public:
    ClipScope(Canvas& canvas, const Rect& r) : canvas_(canvas) { canvas_.PushClip(r); }
    ClipScope(Canvas& canvas, const Region& r) : canvas_(canvas) { canvas_.PushClip(r); }
    ~ClipScope() { canvas_.PopClip(); }
    ClipScope(const ClipScope&) = delete;
    ClipScope& operator=(const ClipScope&) = delete;

  private:
    Canvas& canvas_;
};

}  // namespace dsp
