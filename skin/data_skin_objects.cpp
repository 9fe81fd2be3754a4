#include "skin/data_skin_objects.h"

namespace dsp {

void TbsDataSkinButton::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinObject::VisitFields(v);
    v.Rect("downrect", DownRect);
    v.Rect("disableskinrsect", DisableSkinRect);
}

void TbsDataSkinStdButton::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinButton::VisitFields(v);
    v.Command("command", Command);
    VisitRestore(v);
}

void TbsDataSkinCaption::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinObject::VisitFields(v);
    v.Rect("textrect", TextRect);
    VisitFont(v);
    v.Colour("activefontcolor", ActiveFontColor);
    v.Alignment("alignment", Alignment);
    v.Bool("light", Light);
    v.Colour("lightcolor", LightColor);
    v.Colour("activelightcolor", ActiveLightColor);
    v.Bool("shadow", Shadow);
    v.Colour("shadowcolor", ShadowColor);
    v.Colour("activeshadowcolor", ActiveShadowColor);
    v.Rect("framerect", FrameRect);
    v.Rect("activeframerect", ActiveFrameRect);
    v.Rect("frametextrect", FrameTextRect);
    v.Int("frameleftoffset", FrameLeftOffset);
    v.Int("framerightoffset", FrameRightOffset);
    v.Bool("stretcheffect", StretchEffect);
    VisitAnimation(v);
    v.Bool("inactiveanimation", InactiveAnimation);
    v.Bool("fullframe", FullFrame);
}

void TbsDataSkinMenuItem::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinObject::VisitFields(v);
    v.Int("itemleftoffset", ItemLeftOffset);
    v.Int("itemrightoffset", ItemRightOffset);
    v.Rect("dividerrect", DividerRect);
    v.Int("dividerleftoffset", DividerLeftOffset);
    v.Int("dividerrightoffset", DividerRightOffset);
    v.Rect("textrect", TextRect);
    v.Rect("imagerect", ImageRect);
    VisitFont(v);
    v.Colour("activefontcolor", ActiveFontColor);
    v.Colour("unenabledfontcolor", UnEnabledFontColor);
    v.Bool("stretcheffect", StretchEffect);
    v.Bool("inactivestretcheffect", InactiveStretchEffect);
    v.Bool("dividerstretcheffect", DividerStretchEffect);
    VisitAnimation(v);
    v.Bool("inactiveanimation", InactiveAnimation);
    v.Bool("useimagecolor", UseImageColor);
    v.Colour("imagecolor", ImageColor);
    v.Colour("activeimagecolor", ActiveImageColor);
    v.Bool("inactivetransparent", InactiveTransparent);
    v.Rect("checkimagerect", CheckImageRect);
    v.Rect("activecheckimagerect", ActiveCheckImageRect);
    v.Rect("radioimagerect", RadioImageRect);
    v.Rect("activeradioimagerect", ActiveRadioImageRect);
    v.Rect("arrowimagerect", ArrowImageRect);
    v.Rect("activearrowimagerect", ActiveArrowImageRect);
}

void TbsDataSkinMenuItem::AfterLoad(const SkinIni&) {
    // A skin may give only the normal check, radio and arrow images; the hot
    // state then shows the same image.
    if (ActiveCheckImageRect.IsEmpty()) ActiveCheckImageRect = CheckImageRect;
    if (ActiveRadioImageRect.IsEmpty()) ActiveRadioImageRect = RadioImageRect;
    if (ActiveArrowImageRect.IsEmpty()) ActiveArrowImageRect = ArrowImageRect;
}

void TbsDataSkinMainMenuItem::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinObject::VisitFields(v);
    v.Int("itemleftoffset", ItemLeftOffset);
    v.Int("itemrightoffset", ItemRightOffset);
    v.Rect("downrect", DownRect);
    v.Rect("textrect", TextRect);
    VisitFont(v);
    v.Colour("activefontcolor", ActiveFontColor);
    v.Colour("downfontcolor", DownFontColor);
    v.Colour("unenabledfontColor", UnEnabledFontColor);
    v.Bool("stretcheffect", StretchEffect);
    VisitAnimation(v);
    v.Bool("inactiveanimation", InactiveAnimation);
}

void TbsDataSkinAnimate::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinObject::VisitFields(v);
    v.Int("countframes", CountFrames, 1);
    v.Bool("cycle", Cycle);
    v.Bool("buttonstyle", ButtonStyle);
    v.Int("timerinterval", TimerInterval, 50);
    v.Command("command", Command);
    v.Rect("downskinrect", DownSkinRect);
    VisitRestore(v);
}

void TbsDataSkinAnimate::AfterLoad(const SkinIni&) {
    // An animated object plays its own frames; fading does not apply to it.
    Morphing = false;
}

}  // namespace dsp
