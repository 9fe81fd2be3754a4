#include "skin/data_skin_lists.h"

namespace dsp {

void TbsDataSkinListBox::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinCustomControl::VisitFields(v);
    VisitItems(v);
    VisitFont(v);
    v.Colour("activefontcolor", ActiveFontColor);
    v.Colour("focusfontcolor", FocusFontColor);
    v.Rect("captionrect", CaptionRect);
    v.Font("caption", CaptionFontName, CaptionFontHeight, CaptionFontStyle, CaptionFontColor);
    VisitUpDownButtons(v);
    v.Rect("checkbuttonrect", CheckButtonRect);
    v.Rect("activecheckbuttonrect", ActiveCheckButtonRect);
    v.Rect("downcheckbuttonrect", DownCheckButtonRect);
    v.Text("vscrollbarname", VScrollBarName, "vscrollbar");
    v.Text("hscrollbarname", HScrollBarName, "hscrollbar");
    v.Text("bothhscrollbarname", BothHScrollBarName, "bothhscrollbar");
    v.Bool("showfocus", ShowFocus);
}

void TbsDataSkinCheckListBox::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinListBox::VisitFields(v);
    v.Rect("itemcheckrect", ItemCheckRect);
    v.Rect("checkimagerect", CheckImageRect);
    v.Rect("uncheckimagerect", UnCheckImageRect);
}

void TbsDataSkinComboBox::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinCustomControl::VisitFields(v);
    v.Rect("activeskinrect", ActiveSkinRect);
    VisitItems(v);
    VisitFont(v);
    v.Colour("focusfontcolor", FocusFontColor);
    v.Colour("activefontcolor", ActiveFontColor);
    v.Text("listboxname", ListBoxName);
    VisitStateButton(v);
    v.Bool("itemstretcheffect", ItemStretchEffect);
    v.Bool("focusitemstretcheffect", FocusItemStretchEffect);
    v.Bool("showfocus", ShowFocus);
}

void TbsDataSkinScrollBarControl::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinCustomControl::VisitFields(v);
    v.Rect("trackarea", TrackArea);
    VisitUpDownButtons(v);
    v.Rect("thumbrect", ThumbRect);
    v.Rect("activethumbrect", ActiveThumbRect);
    v.Rect("downthumbrect", DownThumbRect);
    v.Int("thumboffset1", ThumbOffset1);
    v.Int("thumboffset2", ThumbOffset2);
    v.Bool("thumbtransparent", ThumbTransparent);
    v.Colour("thumbtransparentcolor", ThumbTransparentColor);
    v.Bool("thumbstretcheffect", ThumbStretchEffect);
    v.Int("thumbminsize", ThumbMinSize);
    v.Int("thumbminpagesize", ThumbMinPageSize);
    v.Rect("glyphrect", GlyphRect);
    v.Rect("activeglyphrect", ActiveGlyphRect);
    v.Rect("downglyphrect", DownGlyphRect);
    v.Bool("glyphtransparent", GlyphTransparent);
    v.Colour("glyphtransparentcolor", GlyphTransparentColor);
}

}  // namespace dsp
