#include "skin/data_skin_buttons.h"

namespace dsp {

void TbsDataSkinButtonControl::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinCustomControl::VisitFields(v);
    VisitFont(v);
    v.Colour("activefontcolor", ActiveFontColor);
    v.Colour("downfontcolor", DownFontColor);
    v.Colour("disabledfontcolor", DisabledFontColor);
    v.Rect("activeskinrect", ActiveSkinRect);
    v.Rect("downskinrect", DownSkinRect);
    v.Rect("focusedskinrect", FocusedSkinRect);
    v.Rect("disabledskinrect", DisabledSkinRect);
    v.Bool("morphing", Morphing);
    v.MorphKind("morphkind", MorphKind);
    VisitAnimation(v);
    v.Bool("showfocus", ShowFocus);
    v.Rect("menumarkerflatrect", MenuMarkerFlatRect);
    v.Rect("menumarkerrect", MenuMarkerRect);
    v.Rect("menumarkeractiverect", MenuMarkerActiveRect);
    v.Rect("menumarkerdownrect", MenuMarkerDownRect);
    v.Colour("menumarkertransparentcolor", MenuMarkerTransparentColor);
}

void TbsDataSkinMenuButtonControl::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinButtonControl::VisitFields(v);
    v.Rect("trackbuttonrect", TrackButtonRect);
}

void TbsDataSkinCheckRadioControl::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinCustomControl::VisitFields(v);
    VisitFont(v);
    v.Colour("activefontcolor", ActiveFontColor);
    v.Colour("unenabledfontcolor", UnEnabledFontColor);
    v.Colour("framefontcolor", FrameFontColor);
    v.Rect("activeskinrect", ActiveSkinRect);
    v.Rect("checkimagearea", CheckImageArea);
    v.Rect("textarea", TextArea);
    v.Rect("checkimagerect", CheckImageRect);
    v.Rect("uncheckimagerect", UnCheckImageRect);
    v.Rect("activecheckimagerect", ActiveCheckImageRect);
    v.Rect("activeuncheckimagerect", ActiveUnCheckImageRect);
    v.Rect("unenabledcheckimagerect", UnEnabledCheckImageRect);
    v.Rect("unenableduncheckimagerect", UnEnabledUnCheckImageRect);
    v.Rect("grayedcheckimagerect", GrayedCheckImageRect);
    v.Rect("activegrayedcheckimagerect", ActiveGrayedCheckImageRect);
    v.Bool("morphing", Morphing);
    v.MorphKind("morphkind", MorphKind);
}

}  // namespace dsp
