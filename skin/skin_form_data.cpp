#include "skin/skin_form_data.h"

#include <algorithm>

namespace dsp {
void TbsSkinFormData::VisitFields(SkinFieldVisitor& v) {
    VisitCorners(v);
    v.Rect("clientrect", ClientRect);
    v.Int("bgpictureindex", BGPictureIndex, -1);
    v.Int("mdibgpictureindex", MDIBGPictureIndex, -1);
    VisitStretch(v, Order::LeftRightTopBottom);
    v.Bool("mdibgstretcheffect", MDIBGStretchEffect);
    v.StretchType("mdibgstretchtype", MDIBGStretchType);
    v.Rect("maskrectarea", MaskRectArea);
    v.Point("hittestlefttoppoint", HitTestLTPoint);
    v.Point("hittestrighttoppoint", HitTestRTPoint);
    v.Point("hittestleftbottompoint", HitTestLBPoint);
    v.Point("hittestrightbottompoint", HitTestRBPoint);
    v.Rect("buttonsrect", ButtonsRect);
    v.Rect("captionrect", CaptionRect);
    v.Int("buttonsoffset", ButtonsOffset);
    v.Bool("buttonsinleft", ButtonsInLeft);
    v.Bool("mainmenupopupup", MainMenuPopupUp);
    v.Int("borderwidth", BorderWidth);
    v.Int("formminwidth", FormMinWidth);
    v.Bool("mditabstransparent", MDITabsTransparent);
    v.Bool("mainmenubartransparent", MainMenuBarTransparent);
    v.Bool("autorenderinginactiveimage", AutoRenderingInActiveImage);
    v.Effect("inactiveeffect", InActiveEffect);
}

void TbsSkinFormData::AfterLoad(const SkinIni& ini) {
    // A skin with a mask shapes the window from it: the masked area must hold
    // the client area, and unset hit-test corners follow the frame corners.
    if (!ini.ReadString("PICTURES", "mask", "").empty()) CompleteMaskArea();
    if (RBPoint.X == LTPoint.X || RBPoint.Y == LTPoint.Y) return;
    ClampCornersIntoClient();
}

void TbsSkinFormData::CompleteMaskArea() {
    if (MaskRectArea.IsEmpty()) {
        MaskRectArea = ClientRect;
    } else {
        MaskRectArea = TRect{
            std::min(MaskRectArea.Left, ClientRect.Left), std::min(MaskRectArea.Top, ClientRect.Top),
            std::max(MaskRectArea.Right, ClientRect.Right), std::max(MaskRectArea.Bottom, ClientRect.Bottom)};
    }
    if (HitTestLTPoint.IsUnset()) HitTestLTPoint = LTPoint;
    if (HitTestRTPoint.IsUnset()) HitTestRTPoint = RTPoint;
    if (HitTestLBPoint.IsUnset()) HitTestLBPoint = LBPoint;
    if (HitTestRBPoint.IsUnset()) HitTestRBPoint = RBPoint;
}

void TbsSkinFormData::ClampCornersIntoClient() {
    const TRect& c = ClientRect;
    LTPoint = TPoint{std::max(LTPoint.X, c.Left), std::max(LTPoint.Y, c.Top)};
    RTPoint = TPoint{std::min(RTPoint.X, c.Right), std::max(RTPoint.Y, c.Top)};
    LBPoint = TPoint{std::max(LBPoint.X, c.Left), std::min(LBPoint.Y, c.Bottom)};
    RBPoint = TPoint{std::min(RBPoint.X, c.Right), std::min(RBPoint.Y, c.Bottom)};
}

void TbsDataSkinPopupWindow::VisitFields(SkinFieldVisitor& v) {
    v.Int("windowpictureindex", WindowPictureIndex, -1);
    v.Int("maskpictureindex", MaskPictureIndex, -1);
    VisitCorners(v);
    v.Rect("itemsrect", ItemsRect);
    v.Colour("scrollmarkercolor", ScrollMarkerColor);
    v.Colour("scrollmarkeractivecolor", ScrollMarkerActiveColor);
    VisitStretch(v, Order::LeftRightTopBottom);
}

void TbsDataSkinHintWindow::VisitFields(SkinFieldVisitor& v) {
    v.Int("windowpictureindex", WindowPictureIndex, -1);
    v.Int("maskpictureindex", MaskPictureIndex, -1);
    VisitCorners(v);
    v.Rect("clientrect", ClientRect);
    VisitFont(v);
    VisitStretch(v, Order::LeftRightTopBottom);
}

void TbsSkinColors::SetDefault() {
    TbsSkinColors defaults;
    cBtnFace = defaults.cBtnFace;
    cBtnText = defaults.cBtnText;
    cWindow = defaults.cWindow;
    cWindowText = defaults.cWindowText;
    cHighLight = defaults.cHighLight;
    cHighLightText = defaults.cHighLightText;
    cBtnHighLight = defaults.cBtnHighLight;
    cBtnShadow = defaults.cBtnShadow;
}

void TbsSkinColors::VisitFields(SkinFieldVisitor& v) {
    v.Colour("cbtnface", cBtnFace, SystemColor(15));
    v.Colour("cbtntext", cBtnText, SystemColor(18));
    v.Colour("cwindow", cWindow, SystemColor(5));
    v.Colour("cwindowtext", cWindowText, SystemColor(8));
    v.Colour("chighlight", cHighLight, SystemColor(13));
    v.Colour("chighlighttext", cHighLightText, SystemColor(14));
    v.Colour("cbtnhighlight", cBtnHighLight, SystemColor(20));
    v.Colour("cbtnshadow", cBtnShadow, SystemColor(16));
}

}  // namespace dsp
