#include "skin/form/frame_layout.h"

#include <algorithm>

namespace dsp {

FrameLayout ComputeFrameLayout(const TbsSkinFormData& form, Size picture, Size window) {
    FrameLayout l;
    l.width = window.cx;
    l.height = window.cy;
    l.pictureWidth = picture.cx;
    l.pictureHeight = picture.cy;
    l.dx = window.cx - picture.cx;
    l.dy = window.cy - picture.cy;
    const Point right{l.dx, 0}, down{0, l.dy}, both{l.dx, l.dy};
    l.leftTop = ToPoint(form.LTPoint);
    l.rightTop = ToPoint(form.RTPoint) + right;
    l.leftBottom = ToPoint(form.LBPoint) + down;
    l.rightBottom = ToPoint(form.RBPoint) + both;
    l.hitLeftTop = ToPoint(form.HitTestLTPoint);
    l.hitRightTop = ToPoint(form.HitTestRTPoint) + right;
    l.hitLeftBottom = ToPoint(form.HitTestLBPoint) + down;
    l.hitRightBottom = ToPoint(form.HitTestRBPoint) + both;
    const Rect c = ToRect(form.ClientRect);
    l.client = {c.left, c.top, c.right + l.dx, c.bottom + l.dy};
    if (!form.CaptionRect.IsEmpty()) {
        const Rect r = ToRect(form.CaptionRect);
        l.caption = {r.left, r.top, r.right + l.dx, r.bottom};
    }
    if (!form.ButtonsRect.IsEmpty()) {
        l.buttons = ToRect(form.ButtonsRect);
        if (l.buttons.left > picture.cx / 2) l.buttons = l.buttons.Offset(l.dx, 0);
    }
    const Rect m = ToRect(form.MaskRectArea);
    l.maskArea = {m.left, m.top, m.right + l.dx, m.bottom + l.dy};
    l.topHeight = c.top;
    l.bottomHeight = l.height - l.client.bottom;
    l.leftWidth = c.left;
    l.rightWidth = l.width - l.client.right;
    return l;
}

Rect FrameMargins(const TbsSkinFormData& form, Size picture) {
    const Rect c = ToRect(form.ClientRect);
    return {c.left, c.top, picture.cx - c.right, picture.cy - c.bottom};
}

namespace {

constexpr int kFallbackBorder = 3;
constexpr int kFallbackCaptionHeight = 19;

}  // namespace

Rect FallbackMargins() {
    return {kFallbackBorder, kFallbackBorder + kFallbackCaptionHeight, kFallbackBorder, kFallbackBorder};
}

FrameLayout ComputeFallbackLayout(Size window) {
    const Rect m = FallbackMargins();
    FrameLayout l;
    l.width = window.cx;
    l.height = window.cy;
    l.leftTop = {0, 0};
    l.rightTop = {l.width, 0};
    l.leftBottom = {0, l.height};
    l.rightBottom = {l.width, l.height};
    l.client = {m.left, m.top, l.width - m.right, l.height - m.bottom};
    l.caption = {m.left, kFallbackBorder, l.width - m.right, m.top};
    l.topHeight = m.top;
    l.bottomHeight = m.bottom;
    l.leftWidth = m.left;
    l.rightWidth = m.right;
    return l;
}

namespace {

PieceFill FillOf(bool stretch) { return stretch ? PieceFill::Stretch : PieceFill::Repeat; }

// One horizontal piece (top or bottom): `strip` of the picture laid over the
// window's width, the band between `bandLeft` and `bandRight` tiled from 0 or
// stretched, the corners laid over it.
PiecePlan AcrossPiece(const Rect& strip, int bandLeft, int bandRight, bool stretch, int width, Point at) {
    ThreePiece in;
    in.startFixed = bandLeft - strip.left;
    in.endFixed = strip.right - bandRight;
    in.destLength = width;
    in.fill = FillOf(stretch);
    in.repeatFrom = RepeatFrom::Zero;
    PiecePlan plan = ThreePiecePlan(strip, Axis::Horizontal, in);
    OffsetPlan(plan, at.x, at.y);
    return plan;
}

PiecePlan DownPiece(const Rect& strip, int bandTop, int bandBottom, bool stretch, int height, Point at) {
    ThreePiece in;
    in.startFixed = bandTop - strip.top;
    in.endFixed = strip.bottom - bandBottom;
    in.destLength = height;
    in.fill = FillOf(stretch);
    in.repeatFrom = RepeatFrom::Zero;
    PiecePlan plan = ThreePiecePlan(strip, Axis::Vertical, in);
    OffsetPlan(plan, at.x, at.y);
    return plan;
}

}  // namespace

FramePlans ComputeFramePlans(const TbsSkinFormData& f, const FrameLayout& l) {
    FramePlans p;
    const Rect c = ToRect(f.ClientRect);
    const int wp = l.pictureWidth, hp = l.pictureHeight;
    const int sideHeight = l.height - l.topHeight - l.bottomHeight;
    if (l.width > 0 && l.topHeight > 0 && f.RTPoint.X > f.LTPoint.X) {
        p.topRect = {0, 0, l.width, l.topHeight};
        p.top = AcrossPiece({0, 0, wp, c.top}, f.LTPoint.X, f.RTPoint.X, f.TopStretch, l.width, {0, 0});
    }
    if (l.width > 0 && l.bottomHeight > 0 && f.RBPoint.X > f.LBPoint.X) {
        p.bottomRect = {0, l.height - l.bottomHeight, l.width, l.height};
        p.bottom = AcrossPiece({0, hp - l.bottomHeight, wp, hp}, f.LBPoint.X, f.RBPoint.X, f.BottomStretch,
                               l.width, p.bottomRect.TopLeft());
    }
    if (l.leftWidth > 0 && sideHeight > 0 && f.LBPoint.Y > f.LTPoint.Y) {
        p.leftRect = {0, l.topHeight, l.leftWidth, l.topHeight + sideHeight};
        p.left = DownPiece({0, c.top, c.left, c.bottom}, f.LTPoint.Y, f.LBPoint.Y, f.LeftStretch, sideHeight,
                           p.leftRect.TopLeft());
    }
    if (l.rightWidth > 0 && sideHeight > 0 && f.RBPoint.Y > f.RTPoint.Y) {
        p.rightRect = {l.width - l.rightWidth, l.topHeight, l.width, l.topHeight + sideHeight};
        p.right = DownPiece({c.right, c.top, wp, c.bottom}, f.RTPoint.Y, f.RBPoint.Y, f.RightStretch,
                            sideHeight, p.rightRect.TopLeft());
    }
    return p;
}

}  // namespace dsp
