#include "skin/data_skin_edits.h"

namespace dsp {

void TbsDataSkinEditControl::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinCustomControl::VisitFields(v);
    v.Rect("activeskinrect", ActiveSkinRect);
    v.Font("", FontName, FontHeight, FontStyle, FontColor);
    v.Colour("disabledfontcolor", DisabledFontColor);
    v.Colour("activefontcolor", ActiveFontColor);
    v.Rect("buttonrect", ButtonRect);
    v.Rect("activebuttonrect", ActiveButtonRect);
    v.Rect("downbuttonrect", DownButtonRect);
    v.Rect("unenabledbuttonrect", UnEnabledButtonRect);
}

void TbsDataSkinMemoControl::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinEditControl::VisitFields(v);
    v.Colour("bgcolor", BGColor);
    v.Colour("activebgcolor", ActiveBGColor);
}

void TbsDataSkinSpinEditControl::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinCustomControl::VisitFields(v);
    v.Rect("activeskinrect", ActiveSkinRect);
    v.Font("", FontName, FontHeight, FontStyle, FontColor);
    v.Colour("activefontcolor", ActiveFontColor);
    v.Colour("disabledfontcolor", DisabledFontColor);
    v.Rect("upbuttonrect", UpButtonRect);
    v.Rect("activeupbuttonrect", ActiveUpButtonRect);
    v.Rect("downupbuttonrect", DownUpButtonRect);
    v.Rect("downbuttonrect", DownButtonRect);
    v.Rect("activedownbuttonrect", ActiveDownButtonRect);
    v.Rect("downdownbuttonrect", DownDownButtonRect);
}

void TbsDataSkinUpDownControl::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinCustomControl::VisitFields(v);
    v.Rect("upbuttonrect", UpButtonRect);
    v.Rect("activeupbuttonrect", ActiveUpButtonRect);
    v.Rect("downupbuttonrect", DownUpButtonRect);
    v.Rect("downbuttonrect", DownButtonRect);
    v.Rect("activedownbuttonrect", ActiveDownButtonRect);
    v.Rect("downdownbuttonrect", DownDownButtonRect);
}

void TbsDataSkinUpDownControl::AfterLoad(const SkinIni&) {
    // An up-down is drawn from its button images only: it has no stretchable
    // frame and no client area, whatever the text says.
    LTPoint = RTPoint = LBPoint = RBPoint = TPoint{};
    ClientRect = TRect{};
}

}  // namespace dsp
