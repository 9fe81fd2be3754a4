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
    VisitCorners(v);
    v.Int("tableftoffset", TabLeftOffset);
    v.Int("tabrightoffset", TabRightOffset);
    v.Rect("tabsbgrect", TabsBGRect);
    v.Bool("tabstretcheffect", TabStretchEffect);
    VisitStretch(v);
    VisitFont(v);
    v.Colour("activefontcolor", ActiveFontColor);
    v.Colour("focusfontcolor", FocusFontColor);
    v.Colour("mouseinfontcolor", MouseInFontColor);
    v.Text("updown", UpDown);
    v.Bool("showfocus", ShowFocus);
    v.Int("focusoffsetx", FocusOffsetX);
    v.Int("focusoffsety", FocusOffsetY);
    VisitCloseButton(v);
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
    VisitFont(v);
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

void TbsDataSkinTextView::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinControl::VisitFields(v);
    VisitFont(v);
    v.Colour("bgcolor", BGColor);
}

}  // namespace dsp
