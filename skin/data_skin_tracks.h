#pragma once
// The track kinds: track bars and sliders.

#include <string>

#include "skin/data_skin_control.h"

namespace dsp {

// "trackbar"
class TbsDataSkinTrackBarControl : public TbsDataSkinCustomControl {
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    TRect ActiveSkinRect;
    TRect TrackArea;
    TRect ButtonRect;
    TRect ActiveButtonRect;
    bool Vertical = false;
    bool ButtonTransparent = false;
    TColor ButtonTransparentColor = 0;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

// "slider"
class TbsDataSkinSlider : public TbsDataSkinControl {
  public:
    using TbsDataSkinControl::TbsDataSkinControl;

    TColor BGColor = 0;
    TRect HRulerRect;
    TRect HThumbRect;
    TRect VRulerRect;
    TRect VThumbRect;
    int EdgeSize = 0;
    TColor PointsColor = 0;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

}  // namespace dsp
