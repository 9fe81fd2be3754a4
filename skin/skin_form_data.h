#pragma once
// The window-wide records of a skin: the frame description [FORMINFO], the
// pop-up and hint window looks, and the eight colours [SKINCOLORS] that stand
// in for the system colours when a control has no picture of its own.

#include <string>

#include "skin/skin_key_groups.h"
#include "skin/skin_record.h"
#include "skin/skin_types.h"

namespace dsp {

// [FORMINFO]. After reading, the mask area and hit-test corners are completed
// for skins with a mask, and the corner points are clamped into clientrect.
class TbsSkinFormData : public SkinRecord, public SkinCornerKeys, public SkinStretchKeys {
  public:
    TbsSkinFormData() : SkinRecord("FORMINFO") {}

    TRect ClientRect;
    int BGPictureIndex = -1;
    int MDIBGPictureIndex = -1;
    bool MDIBGStretchEffect = false;
    TbsStretchType MDIBGStretchType = TbsStretchType::stFull;
    TRect MaskRectArea;
    TPoint HitTestLTPoint, HitTestRTPoint, HitTestLBPoint, HitTestRBPoint;
    TRect ButtonsRect;
    TRect CaptionRect;
    int ButtonsOffset = 0;
    bool ButtonsInLeft = false;
    bool MainMenuPopupUp = false;
    int BorderWidth = 0;
    int FormMinWidth = 0;
    bool MDITabsTransparent = false;
    bool MainMenuBarTransparent = false;
    bool AutoRenderingInActiveImage = false;
    TbsInActiveEffect InActiveEffect = TbsInActiveEffect::ieBrightness;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
    void AfterLoad(const SkinIni& ini) override;

  private:
    void CompleteMaskArea();
    void ClampCornersIntoClient();
};

// [POPUPWINDOW]
class TbsDataSkinPopupWindow : public SkinRecord, public SkinCornerKeys, public SkinStretchKeys {
  public:
    TbsDataSkinPopupWindow() : SkinRecord("POPUPWINDOW") {}

    int WindowPictureIndex = -1;
    int MaskPictureIndex = -1;
    TRect ItemsRect;
    TColor ScrollMarkerColor = 0;
    TColor ScrollMarkerActiveColor = 0;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

// [HINTWINDOW]
class TbsDataSkinHintWindow : public SkinRecord,
                              public SkinCornerKeys,
                              public SkinStretchKeys,
                              public SkinFontKeys {
  public:
    TbsDataSkinHintWindow() : SkinRecord("HINTWINDOW") {}

    int WindowPictureIndex = -1;
    int MaskPictureIndex = -1;
    TRect ClientRect;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

// [SKINCOLORS]; the defaults are the system colours they replace.
class TbsSkinColors : public SkinRecord {
  public:
    TbsSkinColors() : SkinRecord("SKINCOLORS") {}

    TColor cBtnFace = SystemColor(15);
    TColor cBtnText = SystemColor(18);
    TColor cWindow = SystemColor(5);
    TColor cWindowText = SystemColor(8);
    TColor cHighLight = SystemColor(13);
    TColor cHighLightText = SystemColor(14);
    TColor cBtnHighLight = SystemColor(20);
    TColor cBtnShadow = SystemColor(16);

    // Back to the system colours, as a skin load starts.
    void SetDefault();

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

}  // namespace dsp
