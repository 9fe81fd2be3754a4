#include "skin/compose/skin_fit.h"

namespace dsp {

SkinResizeMode DeriveResizeMode(const SkinAnchors& a) {
    if (a.skinRect.IsEmpty()) return SkinResizeMode::None;
    if (a.rightBottom.x != 0 && a.rightBottom.y != 0) return SkinResizeMode::Both;
    if (a.rightTop.x != 0 || a.rightTop.y != 0) return SkinResizeMode::Width;
    if (a.leftBottom.x != 0 || a.leftBottom.y != 0) return SkinResizeMode::Height;
    return SkinResizeMode::Fixed;
}

SkinFit CalcSkinSize(const SkinAnchors& a, SkinResizeMode mode, int width, int height) {
    const int sw = a.skinRect.Width();
    const int sh = a.skinRect.Height();
    SkinFit f{width, height, a.leftTop, a.rightTop, a.leftBottom, a.rightBottom, a.clientRect};
    int dw = width - sw;
    int dh = height - sh;
    switch (mode) {
        case SkinResizeMode::Both:
            f.rightTop.x += dw;
            f.leftBottom.y += dh;
            f.rightBottom.x += dw;
            f.rightBottom.y += dh;
            f.clientRect.right += dw;
            f.clientRect.bottom += dh;
            break;
        case SkinResizeMode::Width:
            f.height = sh;
            f.rightTop.x += dw;
            f.clientRect.right += dw;
            break;
        case SkinResizeMode::Height:
            f.width = sw;
            f.leftBottom.y += dh;
            f.clientRect.bottom += dh;
            break;
        case SkinResizeMode::Fixed:
            f.width = sw;
            f.height = sh;
            break;
        case SkinResizeMode::None:
            break;
    }
    return f;
}

}  // namespace dsp
