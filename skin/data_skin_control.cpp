#include "skin/data_skin_control.h"

namespace dsp {

void TbsDataSkinControl::VisitFields(SkinFieldVisitor& v) {
    v.Int("pictureindex", PictureIndex, -1);
    v.Int("maskpictureindex", MaskPictureIndex, -1);
    v.Rect("skinrect", SkinRect);
}

void TbsDataSkinCustomControl::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinControl::VisitFields(v);
    v.Corners(LTPoint, RTPoint, LBPoint, RBPoint);
    v.Rect("clientrect", ClientRect);
    v.Bool("leftstretch", LeftStretch);
    v.Bool("topstretch", TopStretch);
    v.Bool("rightstretch", RightStretch);
    v.Bool("bottomstretch", BottomStretch);
    v.Bool("stretcheffect", StretchEffect);
    v.StretchType("stretchtype", StretchType);
}

}  // namespace dsp
