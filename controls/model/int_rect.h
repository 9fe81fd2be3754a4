#pragma once
// Plain rectangles and points of the control geometry: left, top, right,
// bottom with the right and bottom edges outside, as skin rectangles are.

namespace dsp {

struct IntPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const IntPoint&, const IntPoint&) = default;
};

struct IntRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static constexpr IntRect FromSize(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }
    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
    constexpr bool Contains(IntPoint p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    constexpr IntRect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    friend bool operator==(const IntRect&, const IntRect&) = default;
};

} // namespace dsp
