#include "skin/data_skin_control.h"

namespace dsp {

void TbsDataSkinControl::VisitFields(SkinFieldVisitor& v) {
    v.Int("pictureindex", PictureIndex, -1);
    v.Int("maskpictureindex", MaskPictureIndex, -1);
    v.Rect("skinrect", SkinRect);
}

void TbsDataSkinCustomControl::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinControl::VisitFields(v);
    VisitCorners(v);
    v.Rect("clientrect", ClientRect);
    VisitStretch(v);
}

}  // namespace dsp
