#include "skin/data_skin_views.h"

namespace dsp {

void TbsDataSkinTabControl::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinControl::VisitFields(v);
    v.Rect("tabrect", TabRect);
    v.Rect("activetabrect", ActiveTabRect);
    v.Rect("focustabrect", FocusTabRect);
    v.Rect("mouseintabrect", MouseInTabRect);
    v.Rect("clientrect", ClientRect);
    v.Int("bgpictureindex", BGPictureIndex, -1);
    v.Point("lefttoppoint", LTPoint);
    v.Point("righttoppoint", RTPoint);
    v.Point("leftbottompoint", LBPoint);
    v.Point("rightbottompoint", RBPoint);
    v.Int("tableftoffset", TabLeftOffset);
    v.Int("tabrightoffset", TabRightOffset);
    v.Rect("tabsbgrect", TabsBGRect);
    v.Bool("tabstretcheffect", TabStretchEffect);
    v.Bool("leftstretch", LeftStretch);
    v.Bool("topstretch", TopStretch);
    v.Bool("rightstretch", RightStretch);
    v.Bool("bottomstretch", BottomStretch);
    v.Bool("stretcheffect", StretchEffect);
    v.StretchType("stretchtype", StretchType);
    v.Font("", FontName, FontHeight, FontStyle, FontColor);
    v.Colour("activefontcolor", ActiveFontColor);
    v.Colour("focusfontcolor", FocusFontColor);
    v.Colour("mouseinfontcolor", MouseInFontColor);
    v.Text("updown", UpDown);
    v.Bool("showfocus", ShowFocus);
    v.Int("focusoffsetx", FocusOffsetX);
    v.Int("focusoffsety", FocusOffsetY);
    v.Rect("closebuttonrect", CloseButtonRect);
    v.Rect("closebuttonactiverect", CloseButtonActiveRect);
    v.Rect("closebuttondownrect", CloseButtonDownRect);
    v.Bool("buttontransparent", ButtonTransparent);
    v.Colour("buttontransparentcolor", ButtonTransparentColor);
}

void TbsDataSkinGridControl::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinControl::VisitFields(v);
    v.Rect("fixedcellrect", FixedCellRect);
    v.Rect("selectcellrect", SelectCellRect);
    v.Rect("focuscellrect", FocusCellRect);
    v.Int("fixedcellleftoffset", FixedCellLeftOffset);
    v.Int("fixedcellrightoffset", FixedCellRightOffset);
    v.Rect("fixedcelltextrect", FixedCellTextRect);
    v.Int("cellleftoffset", CellLeftOffset);
    v.Int("cellrightoffset", CellRightOffset);
    v.Rect("celltextrect", CellTextRect);
    v.Int("bgpictureindex", BGPictureIndex, -1);
    v.Colour("linescolor", LinesColor);
    v.Colour("bgcolor", BGColor);
    v.Font("", FontName, FontHeight, FontStyle, FontColor);
    v.Colour("selectfontcolor", SelectFontColor);
    v.Colour("focusfontcolor", FocusFontColor);
    v.Font("fixed", FixedFontName, FixedFontHeight, FixedFontStyle, FixedFontColor);
    v.Bool("cellstretcheffect", CellStretchEffect);
    v.Bool("fixedcellstretcheffect", FixedCellStretchEffect);
    v.Bool("showfocus", ShowFocus);
}

void TbsDataSkinMainMenuBar::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinControl::VisitFields(v);
    v.Rect("itemsrect", ItemsRect);
    v.Text("menubaritem", MenuBarItem);
    v.Text("closebutton", CloseButton);
    v.Text("minbutton", MinButton);
    v.Text("maxbutton", MaxButton);
    v.Text("sysmenubutton", SysMenuButton);
    v.Colour("trackmarkcolor", TrackMarkColor);
    v.Colour("trackmarkactivecolor", TrackMarkActiveColor);
    v.Bool("stretcheffect", StretchEffect);
    v.Bool("itemtransparent", ItemTransparent);
}

// Tree views, list views and rich edits read the same text keys, in the same
// order, after the common control keys.
namespace {
template <class View>
void VisitViewText(SkinFieldVisitor& v, View& view) {
    v.Font("", view.FontName, view.FontHeight, view.FontStyle, view.FontColor);
    v.Colour("bgcolor", view.BGColor);
}
}  // namespace

void TbsDataSkinTreeView::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinControl::VisitFields(v);
    VisitViewText(v, *this);
}

void TbsDataSkinListView::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinControl::VisitFields(v);
    VisitViewText(v, *this);
}

void TbsDataSkinRichEdit::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinControl::VisitFields(v);
    VisitViewText(v, *this);
}

}  // namespace dsp
