#pragma once
// The list kinds: list boxes, check list boxes, combo boxes and scroll bars.

#include <string>

#include "skin/data_skin_control.h"

namespace dsp {

// "listbox"
class TbsDataSkinListBox : public TbsDataSkinCustomControl,
                           public SkinItemKeys,
                           public SkinFontKeys,
                           public SkinUpDownButtonKeys {
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    TColor ActiveFontColor = 0;
    TColor FocusFontColor = 0;
    TRect CaptionRect;
    std::string CaptionFontName = "Arial";
    int CaptionFontHeight = 14;
    TFontStyles CaptionFontStyle = 0;
    TColor CaptionFontColor = 0;
    TRect CheckButtonRect;
    TRect ActiveCheckButtonRect;
    TRect DownCheckButtonRect;
    std::string VScrollBarName = "vscrollbar";
    std::string HScrollBarName = "hscrollbar";
    std::string BothHScrollBarName = "bothhscrollbar";
    bool ShowFocus = false;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

// "checklistbox"
class TbsDataSkinCheckListBox : public TbsDataSkinListBox {
  public:
    using TbsDataSkinListBox::TbsDataSkinListBox;

    TRect ItemCheckRect;
    TRect CheckImageRect;
    TRect UnCheckImageRect;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

// "combobox"
class TbsDataSkinComboBox : public TbsDataSkinCustomControl,
                            public SkinItemKeys,
                            public SkinFontKeys,
                            public SkinStateButtonKeys {
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    TRect ActiveSkinRect;
    TColor FocusFontColor = 0;
    TColor ActiveFontColor = 0;
    std::string ListBoxName;
    bool ItemStretchEffect = false;
    bool FocusItemStretchEffect = false;
    bool ShowFocus = false;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

// "scrollbar"
class TbsDataSkinScrollBarControl : public TbsDataSkinCustomControl, public SkinUpDownButtonKeys {
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    TRect TrackArea;
    TRect ThumbRect;
    TRect ActiveThumbRect;
    TRect DownThumbRect;
    int ThumbOffset1 = 0;
    int ThumbOffset2 = 0;
    bool ThumbTransparent = false;
    TColor ThumbTransparentColor = 0;
    bool ThumbStretchEffect = false;
    int ThumbMinSize = 0;
    int ThumbMinPageSize = 0;
    TRect GlyphRect;
    TRect ActiveGlyphRect;
    TRect DownGlyphRect;
    bool GlyphTransparent = false;
    TColor GlyphTransparentColor = 0;

  protected:
    void VisitFields(SkinFieldVisitor& v) override;
};

}  // namespace dsp
