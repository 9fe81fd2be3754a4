#include "skin/data_skin_tracks.h"

namespace dsp {

void TbsDataSkinTrackBarControl::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinCustomControl::VisitFields(v);
    v.Rect("activeskinrect", ActiveSkinRect);
    v.Rect("trackarea", TrackArea);
    v.Rect("buttonrect", ButtonRect);
    v.Rect("activebuttonrect", ActiveButtonRect);
    v.Bool("vertical", Vertical);
    v.Bool("buttontransparent", ButtonTransparent);
    v.Colour("buttontransparentcolor", ButtonTransparentColor);
}

void TbsDataSkinSlider::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinControl::VisitFields(v);
    v.Colour("bgcolor", BGColor);
    v.Rect("hrulerrect", HRulerRect);
    v.Rect("hthumbrect", HThumbRect);
    v.Rect("vrulerrect", VRulerRect);
    v.Rect("vthumbrect", VThumbRect);
    v.Int("edgesize", EdgeSize);
    v.Colour("pointscolor", PointsColor);
}

}  // namespace dsp
