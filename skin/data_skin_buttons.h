#pragma once
// The button kinds: push buttons, menu buttons, check and radio boxes.

#include <string>

#include "skin/data_skin_control.h"

namespace dsp {

// "button"
class TbsDataSkinButtonControl : public TbsDataSkinCustomControl,
                                 public SkinFontKeys,
                                 public SkinAnimationKeys {
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    TColor ActiveFontColor = 0;
    TColor DownFontColor = 0;
    TColor DisabledFontColor = 0;
    TRect ActiveSkinRect;
    TRect DownSkinRect;
    TRect FocusedSkinRect;
    TRect DisabledSkinRect;
    bool Morphing = false;
    TbsMorphKind MorphKind = TbsMorphKind::mkDefault;
    bool ShowFocus = false;
    TRect MenuMarkerFlatRect;
    TRect MenuMarkerRect;
    TRect MenuMarkerActiveRect;
    TRect MenuMarkerDownRect;
    TColor MenuMarkerTransparentColor = 0;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

// "menubutton"
class TbsDataSkinMenuButtonControl : public TbsDataSkinButtonControl {
  public:
    using TbsDataSkinButtonControl::TbsDataSkinButtonControl;

    TRect TrackButtonRect;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

// "checkradio"
class TbsDataSkinCheckRadioControl : public TbsDataSkinCustomControl, public SkinFontKeys {
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    TColor ActiveFontColor = 0;
    TColor UnEnabledFontColor = 0;
    TColor FrameFontColor = 0;
    TRect ActiveSkinRect;
    TRect CheckImageArea;
    TRect TextArea;
    TRect CheckImageRect;
    TRect UnCheckImageRect;
    TRect ActiveCheckImageRect;
    TRect ActiveUnCheckImageRect;
    TRect UnEnabledCheckImageRect;
    TRect UnEnabledUnCheckImageRect;
    TRect GrayedCheckImageRect;
    TRect ActiveGrayedCheckImageRect;
    bool Morphing = false;
    TbsMorphKind MorphKind = TbsMorphKind::mkDefault;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

}  // namespace dsp
