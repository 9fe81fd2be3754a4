#include "skin/compose/skin_body.h"

namespace dsp {
namespace {

void Append(PiecePlan& to, PiecePlan&& from, int dx, int dy) {
    OffsetPlan(from, dx, dy);
    to.insert(to.end(), from.begin(), from.end());
}

PieceFill SideFill(bool stretch) { return stretch ? PieceFill::Stretch : PieceFill::Repeat; }

// Picture rectangle of a part given relative to the section's rectangle.
Rect InPicture(const SkinAnchors& a, int left, int top, int right, int bottom) {
    return Rect{left, top, right, bottom}.Offset(a.skinRect.left, a.skinRect.top);
}

}  // namespace

AreaFill ClientFill(bool effect, TbsStretchType type) {
    if (!effect) return AreaFill::Tile;
    switch (type) {
        case TbsStretchType::stHorz:
            return AreaFill::StretchHeightRepeatAcross;
        case TbsStretchType::stVert:
            return AreaFill::StretchWidthRepeatDown;
        case TbsStretchType::stFull:
            break;
    }
    return AreaFill::Stretch;
}

NinePiece NinePiecePlan(const SkinAnchors& a, const SkinStretch& s, const SkinFit& fit) {
    NinePiece out;
    if (a.rightBottom.x == a.leftTop.x || a.rightBottom.y == a.leftTop.y) return out;
    const int sw = a.skinRect.Width();
    const int sh = a.skinRect.Height();
    const Rect& c = a.clientRect;
    const Rect& moved = fit.clientRect;
    // Top and bottom borders: the full width, cut by their two anchors.
    Append(out.border,
           ThreePiecePlan(InPicture(a, 0, 0, sw, c.top), Axis::Horizontal,
                          {.startFixed = a.leftTop.x,
                           .endFixed = sw - a.rightTop.x,
                           .destLength = fit.width,
                           .fill = SideFill(s.top)}),
           0, 0);
    Append(out.border,
           ThreePiecePlan(InPicture(a, 0, c.bottom, sw, sh), Axis::Horizontal,
                          {.startFixed = a.leftBottom.x,
                           .endFixed = sw - a.rightBottom.x,
                           .destLength = fit.width,
                           .fill = SideFill(s.bottom)}),
           0, moved.bottom);
    // Left and right borders: between the top and bottom borders.
    const int sideLength = moved.bottom - c.top;
    Append(out.border,
           ThreePiecePlan(InPicture(a, 0, c.top, c.left, c.bottom), Axis::Vertical,
                          {.startFixed = a.leftTop.y - c.top,
                           .endFixed = c.bottom - a.leftBottom.y,
                           .destLength = sideLength,
                           .fill = SideFill(s.left)}),
           0, c.top);
    Append(out.border,
           ThreePiecePlan(InPicture(a, c.right, c.top, sw, c.bottom), Axis::Vertical,
                          {.startFixed = a.rightTop.y - c.top,
                           .endFixed = c.bottom - a.rightBottom.y,
                           .destLength = sideLength,
                           .fill = SideFill(s.right)}),
           moved.right, c.top);
    out.client =
        AreaPlan(InPicture(a, c.left, c.top, c.right, c.bottom), moved, ClientFill(s.effect, s.type));
    return out;
}

PiecePlan SkinBodyPlan(const SkinAnchors& a, const SkinStretch& s, SkinResizeMode mode, int width,
                       int height) {
    const int sw = a.skinRect.Width();
    const int sh = a.skinRect.Height();
    const PieceFill middle = s.effect ? PieceFill::Stretch : PieceFill::Repeat;
    switch (mode) {
        case SkinResizeMode::None:
            return {};
        case SkinResizeMode::Fixed:
            return {{a.skinRect, Rect{0, 0, sw, sh}}};
        case SkinResizeMode::Width:
            return ThreePiecePlan(a.skinRect, Axis::Horizontal,
                                  {.startFixed = a.leftTop.x,
                                   .endFixed = sw - a.rightTop.x,
                                   .destLength = width,
                                   .fill = middle});
        case SkinResizeMode::Height:
            return ThreePiecePlan(a.skinRect, Axis::Vertical,
                                  {.startFixed = a.leftTop.y,
                                   .endFixed = sh - a.leftBottom.y,
                                   .destLength = height,
                                   .fill = middle});
        case SkinResizeMode::Both:
            break;
    }
    NinePiece nine = NinePiecePlan(a, s, CalcSkinSize(a, mode, width, height));
    nine.border.insert(nine.border.end(), nine.client.begin(), nine.client.end());
    return std::move(nine.border);
}

}  // namespace dsp
