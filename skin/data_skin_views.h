#pragma once
// The view kinds: tabs, grids, main menu bars, tree views, list views and
// rich edits.

#include <string>

#include "skin/data_skin_control.h"

namespace dsp {

// "tab"
class TbsDataSkinTabControl : public TbsDataSkinControl,
                              public SkinCornerKeys,
                              public SkinStretchKeys,
                              public SkinFontKeys,
                              public SkinCloseButtonKeys {
  public:
    using TbsDataSkinControl::TbsDataSkinControl;

    TRect TabRect;
    TRect ActiveTabRect;
    TRect FocusTabRect;
    TRect MouseInTabRect;
    TRect ClientRect;
    int BGPictureIndex = -1;
    int TabLeftOffset = 0;
    int TabRightOffset = 0;
    TRect TabsBGRect;
    bool TabStretchEffect = false;
    TColor ActiveFontColor = 0;
    TColor FocusFontColor = 0;
    TColor MouseInFontColor = 0;
    std::string UpDown;
    bool ShowFocus = false;
    int FocusOffsetX = 0;
    int FocusOffsetY = 0;
    bool ButtonTransparent = false;
    TColor ButtonTransparentColor = 0;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

// "grid"
class TbsDataSkinGridControl : public TbsDataSkinControl, public SkinFontKeys {
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

// Tree views, list views and rich edits read the same text keys after the
// common control keys: the font and the background colour.
class TbsDataSkinTextView : public TbsDataSkinControl, public SkinFontKeys {
  public:
    using TbsDataSkinControl::TbsDataSkinControl;

    TColor BGColor = 0;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

// "treeview"
class TbsDataSkinTreeView : public TbsDataSkinTextView {
  public:
    using TbsDataSkinTextView::TbsDataSkinTextView;
};

// "listview"
class TbsDataSkinListView : public TbsDataSkinTextView {
  public:
    using TbsDataSkinTextView::TbsDataSkinTextView;
};

// "richedit"
class TbsDataSkinRichEdit : public TbsDataSkinTextView {
  public:
    using TbsDataSkinTextView::TbsDataSkinTextView;
};

}  // namespace dsp
