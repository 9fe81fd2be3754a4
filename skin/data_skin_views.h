#pragma once
// The view kinds: tabs, grids, main menu bars, tree views, list views and
// rich edits.

#include <string>

#include "skin/data_skin_control.h"

namespace dsp {

// "tab"
class TbsDataSkinTabControl : public TbsDataSkinControl {
  public:
    using TbsDataSkinControl::TbsDataSkinControl;

    TRect TabRect;
    TRect ActiveTabRect;
    TRect FocusTabRect;
    TRect MouseInTabRect;
    TRect ClientRect;
    int BGPictureIndex = -1;
    TPoint LTPoint;
    TPoint RTPoint;
    TPoint LBPoint;
    TPoint RBPoint;
    int TabLeftOffset = 0;
    int TabRightOffset = 0;
    TRect TabsBGRect;
    bool TabStretchEffect = false;
    bool LeftStretch = false;
    bool TopStretch = false;
    bool RightStretch = false;
    bool BottomStretch = false;
    bool StretchEffect = false;
    TbsStretchType StretchType = TbsStretchType::stFull;
    std::string FontName = "Arial";
    int FontHeight = 14;
    TFontStyles FontStyle = 0;
    TColor FontColor = 0;
    TColor ActiveFontColor = 0;
    TColor FocusFontColor = 0;
    TColor MouseInFontColor = 0;
    std::string UpDown;
    bool ShowFocus = false;
    int FocusOffsetX = 0;
    int FocusOffsetY = 0;
    TRect CloseButtonRect;
    TRect CloseButtonActiveRect;
    TRect CloseButtonDownRect;
    bool ButtonTransparent = false;
    TColor ButtonTransparentColor = 0;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

// "grid"
class TbsDataSkinGridControl : public TbsDataSkinControl {
  public:
    using TbsDataSkinControl::TbsDataSkinControl;

    TRect FixedCellRect;
    TRect SelectCellRect;
    TRect FocusCellRect;
    int FixedCellLeftOffset = 0;
    int FixedCellRightOffset = 0;
    TRect FixedCellTextRect;
    int CellLeftOffset = 0;
    int CellRightOffset = 0;
    TRect CellTextRect;
    int BGPictureIndex = -1;
    TColor LinesColor = 0;
    TColor BGColor = 0;
    std::string FontName = "Arial";
    int FontHeight = 14;
    TFontStyles FontStyle = 0;
    TColor FontColor = 0;
    TColor SelectFontColor = 0;
    TColor FocusFontColor = 0;
    std::string FixedFontName = "Arial";
    int FixedFontHeight = 14;
    TFontStyles FixedFontStyle = 0;
    TColor FixedFontColor = 0;
    bool CellStretchEffect = false;
    bool FixedCellStretchEffect = false;
    bool ShowFocus = false;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

// "mainmenubar"
class TbsDataSkinMainMenuBar : public TbsDataSkinControl {
  public:
    using TbsDataSkinControl::TbsDataSkinControl;

    TRect ItemsRect;
    std::string MenuBarItem;
    std::string CloseButton;
    std::string MinButton;
    std::string MaxButton;
    std::string SysMenuButton;
    TColor TrackMarkColor = 0;
    TColor TrackMarkActiveColor = 0;
    bool StretchEffect = false;
    bool ItemTransparent = false;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

// "treeview"
class TbsDataSkinTreeView : public TbsDataSkinControl {
  public:
    using TbsDataSkinControl::TbsDataSkinControl;

    std::string FontName = "Arial";
    int FontHeight = 14;
    TFontStyles FontStyle = 0;
    TColor FontColor = 0;
    TColor BGColor = 0;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

// "listview"
class TbsDataSkinListView : public TbsDataSkinControl {
  public:
    using TbsDataSkinControl::TbsDataSkinControl;

    std::string FontName = "Arial";
    int FontHeight = 14;
    TFontStyles FontStyle = 0;
    TColor FontColor = 0;
    TColor BGColor = 0;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

// "richedit"
class TbsDataSkinRichEdit : public TbsDataSkinControl {
  public:
    using TbsDataSkinControl::TbsDataSkinControl;

    std::string FontName = "Arial";
    int FontHeight = 14;
    TFontStyles FontStyle = 0;
    TColor FontColor = 0;
    TColor BGColor = 0;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

}  // namespace dsp
