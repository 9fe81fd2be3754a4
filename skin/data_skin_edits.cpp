#include "skin/data_skin_edits.h"

namespace dsp {

void TbsDataSkinEditControl::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinCustomControl::VisitFields(v);
    v.Rect("activeskinrect", ActiveSkinRect);
    VisitFont(v);
    v.Colour("disabledfontcolor", DisabledFontColor);
    v.Colour("activefontcolor", ActiveFontColor);
    VisitStateButton(v);
}

void TbsDataSkinMemoControl::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinEditControl::VisitFields(v);
    v.Colour("bgcolor", BGColor);
    v.Colour("activebgcolor", ActiveBGColor);
}

void TbsDataSkinSpinEditControl::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinCustomControl::VisitFields(v);
    v.Rect("activeskinrect", ActiveSkinRect);
    VisitFont(v);
    v.Colour("activefontcolor", ActiveFontColor);
    v.Colour("disabledfontcolor", DisabledFontColor);
    VisitUpDownButtons(v);
}

void TbsDataSkinUpDownControl::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinCustomControl::VisitFields(v);
    VisitUpDownButtons(v);
}

void TbsDataSkinUpDownControl::AfterLoad(const SkinIni&) {
    // An up-down is drawn from its button images only: it has no stretchable
    // frame and no client area, whatever the text says.
    LTPoint = RTPoint = LBPoint = RBPoint = TPoint{};
    ClientRect = TRect{};
}

}  // namespace dsp
