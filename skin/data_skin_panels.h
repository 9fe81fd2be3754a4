#pragma once
// The panel kinds: panels and group boxes, rolling panels, labels, bevels,
// control bars, scroll boxes, splitters and gauges.

#include <string>

#include "skin/data_skin_control.h"

namespace dsp {

// "panel"
class TbsDataSkinPanelControl : public TbsDataSkinCustomControl, public SkinFontKeys, public SkinGripperKeys {
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    int BGPictureIndex = -1;
    TRect CaptionRect;
    TAlignment Alignment = TAlignment::taCenter;
    TRect CheckImageRect;
    TRect UnCheckImageRect;
    TRect MarkFrameRect;
    TRect FrameRect;
    TRect FrameTextRect;
    int FrameLeftOffset = 0;
    int FrameRightOffset = 0;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

// "expanel"
class TbsDataSkinExPanelControl : public TbsDataSkinCustomControl,
                                  public SkinCloseButtonKeys,
                                  public SkinFontKeys {
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    TRect RollHSkinRect;
    TRect RollVSkinRect;
    int RollLeftOffset = 0;
    int RollRightOffset = 0;
    int RollTopOffset = 0;
    int RollBottomOffset = 0;
    TRect RollVCaptionRect;
    TRect RollHCaptionRect;
    TRect HRollButtonRect;
    TRect HRollButtonActiveRect;
    TRect HRollButtonDownRect;
    TRect HRestoreButtonRect;
    TRect HRestoreButtonActiveRect;
    TRect HRestoreButtonDownRect;
    TRect VRollButtonRect;
    TRect VRollButtonActiveRect;
    TRect VRollButtonDownRect;
    TRect VRestoreButtonRect;
    TRect VRestoreButtonActiveRect;
    TRect VRestoreButtonDownRect;
    TRect CaptionRect;
    bool ButtonsTransparent = false;
    TColor ButtonsTransparentColor = 0;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

// "label"
class TbsDataSkinLabelControl : public TbsDataSkinCustomControl, public SkinFontKeys {
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

// "stdlabel"
class TbsDataSkinStdLabelControl : public TbsDataSkinControl, public SkinFontKeys {
  public:
    using TbsDataSkinControl::TbsDataSkinControl;

    TColor ActiveFontColor = 16711680;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

// "bevel"
class TbsDataSkinBevel : public TbsDataSkinControl {
  public:
    using TbsDataSkinControl::TbsDataSkinControl;

    TColor LightColor = 0;
    TColor DarkColor = 0;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

// "controlbar"
class TbsDataSkinControlBar : public TbsDataSkinCustomControl {
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    TRect ItemRect;
    int BGPictureIndex = -1;
    TRect HGripRect;
    TRect VGripRect;
    int GripOffset1 = 0;
    int GripOffset2 = 0;
    bool ItemStretchEffect = false;
    int ItemOffset1 = 3;
    int ItemOffset2 = 3;
    bool ItemTransparent = false;
    TColor ItemTransparentColor = 0;
    bool GripTransparent = false;
    TColor GripTransparentColor = 0;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

// "scrollbox"
class TbsDataSkinScrollBoxControl : public TbsDataSkinCustomControl {
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    int BGPictureIndex = -1;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

// "splitter"
class TbsDataSkinSplitterControl : public TbsDataSkinCustomControl, public SkinGripperKeys {
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

// "gauge"
class TbsDataSkinGaugeControl : public TbsDataSkinCustomControl, public SkinFontKeys {
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    TRect ProgressArea;
    TRect ProgressRect;
    int BeginOffset = 0;
    int EndOffset = 0;
    bool Vertical = false;
    bool ProgressTransparent = false;
    TColor ProgressTransparentColor = 0;
    bool ProgressStretch = false;
    TRect AnimationSkinRect;
    int AnimationCountFrames = 0;
    int AnimationTimerInterval = 0;
    TRect ProgressAnimationSkinRect;
    int ProgressAnimationCountFrames = 0;
    int ProgressAnimationTimerInterval = 0;
    int AnimationBeginOffset = 0;
    int AnimationEndOffset = 0;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

}  // namespace dsp
