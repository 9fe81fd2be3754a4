#include "skin/data_skin_object.h"

namespace dsp {

void TbsDataSkinObject::VisitFields(SkinFieldVisitor& v) {
    v.Text("hint", Hint);
    v.Int("activepictureindex", ActivePictureIndex, -1);
    v.Bool("skinrectinapicture", SkinRectInAPicture);
    v.Rect("skinrect", SkinRect);
    v.Rect("activeskinrect", ActiveSkinRect);
    v.Rect("inactiveskinrect", InActiveSkinRect);
    v.Bool("morphing", Morphing);
    v.MorphKind("morphkind", MorphKind);
}

void TbsDataUserObject::VisitFields(SkinFieldVisitor& v) { v.Rect("skinrect", SkinRect); }

}  // namespace dsp
