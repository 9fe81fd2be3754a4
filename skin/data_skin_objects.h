#pragma once
// The frame object kinds: buttons and caption buttons, the caption,
// menu items, main menu bar items and animated objects.

#include <string>

#include "skin/data_skin_object.h"
#include "skin/skin_key_groups.h"

namespace dsp {

// "button"
class TbsDataSkinButton : public TbsDataSkinObject {
  public:
    using TbsDataSkinObject::TbsDataSkinObject;

    TRect DownRect;
    TRect DisableSkinRect;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

// "stdbutton"
class TbsDataSkinStdButton : public TbsDataSkinButton, public SkinRestoreKeys {
  public:
    using TbsDataSkinButton::TbsDataSkinButton;

    TbsStdCommand Command = TbsStdCommand::cmDefault;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

// "mainmenubarbutton"
class TbsDataSkinMainMenuBarButton : public TbsDataSkinStdButton {
  public:
    using TbsDataSkinStdButton::TbsDataSkinStdButton;
};

// "caption"
class TbsDataSkinCaption : public TbsDataSkinObject, public SkinFontKeys, public SkinAnimationKeys {
  public:
    using TbsDataSkinObject::TbsDataSkinObject;

    TRect TextRect;
    TColor ActiveFontColor = 0;
    TAlignment Alignment = TAlignment::taCenter;
    bool Light = false;
    TColor LightColor = 0;
    TColor ActiveLightColor = 0;
    bool Shadow = false;
    TColor ShadowColor = 0;
    TColor ActiveShadowColor = 0;
    TRect FrameRect;
    TRect ActiveFrameRect;
    TRect FrameTextRect;
    int FrameLeftOffset = 0;
    int FrameRightOffset = 0;
    bool StretchEffect = false;
    bool InactiveAnimation = false;
    bool FullFrame = false;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

// "menuitem"
class TbsDataSkinMenuItem : public TbsDataSkinObject, public SkinFontKeys, public SkinAnimationKeys {
  public:
    using TbsDataSkinObject::TbsDataSkinObject;

    int ItemLeftOffset = 0;
    int ItemRightOffset = 0;
    TRect DividerRect;
    int DividerLeftOffset = 0;
    int DividerRightOffset = 0;
    TRect TextRect;
    TRect ImageRect;
    TColor ActiveFontColor = 0;
    TColor UnEnabledFontColor = 0;
    bool StretchEffect = false;
    bool InactiveStretchEffect = false;
    bool DividerStretchEffect = false;
    bool InactiveAnimation = false;
    bool UseImageColor = false;
    TColor ImageColor = 0;
    TColor ActiveImageColor = 0;
    bool InactiveTransparent = false;
    TRect CheckImageRect;
    TRect ActiveCheckImageRect;
    TRect RadioImageRect;
    TRect ActiveRadioImageRect;
    TRect ArrowImageRect;
    TRect ActiveArrowImageRect;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
    void AfterLoad(const SkinIni& ini) override;
};

class TbsDataSkinMainMenuItem : public TbsDataSkinObject, public SkinFontKeys, public SkinAnimationKeys {
  public:
    using TbsDataSkinObject::TbsDataSkinObject;

    int ItemLeftOffset = 0;
    int ItemRightOffset = 0;
    TRect DownRect;
    TRect TextRect;
    TColor ActiveFontColor = 0;
    TColor DownFontColor = 0;
    TColor UnEnabledFontColor = 0;
    bool StretchEffect = false;
    bool InactiveAnimation = false;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

// "mainmenubaritem"
class TbsDataSkinMainMenuBarItem : public TbsDataSkinMainMenuItem {
  public:
    using TbsDataSkinMainMenuItem::TbsDataSkinMainMenuItem;
};

// "animate"
class TbsDataSkinAnimate : public TbsDataSkinObject, public SkinRestoreKeys {
  public:
    using TbsDataSkinObject::TbsDataSkinObject;

    int CountFrames = 1;
    bool Cycle = false;
    bool ButtonStyle = false;
    int TimerInterval = 50;
    TbsStdCommand Command = TbsStdCommand::cmDefault;
    TRect DownSkinRect;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
    void AfterLoad(const SkinIni& ini) override;
};

}  // namespace dsp
