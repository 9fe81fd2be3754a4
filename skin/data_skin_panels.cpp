#include "skin/data_skin_panels.h"

namespace dsp {

void TbsDataSkinPanelControl::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinCustomControl::VisitFields(v);
    v.Int("bgpictureindex", BGPictureIndex, -1);
    v.Rect("captionrect", CaptionRect);
    v.Alignment("alignment", Alignment);
    VisitFont(v);
    v.Rect("checkimagerect", CheckImageRect);
    v.Rect("uncheckimagerect", UnCheckImageRect);
    v.Rect("markframerect", MarkFrameRect);
    v.Rect("framerect", FrameRect);
    v.Rect("frametextrect", FrameTextRect);
    v.Int("frameleftoffset", FrameLeftOffset);
    v.Int("framerightoffset", FrameRightOffset);
    VisitGripper(v);
}

void TbsDataSkinExPanelControl::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinCustomControl::VisitFields(v);
    v.Rect("rollhskinrect", RollHSkinRect);
    v.Rect("rollvskinrect", RollVSkinRect);
    v.Int("rollleftoffset", RollLeftOffset);
    v.Int("rollrightoffset", RollRightOffset);
    v.Int("rolltopoffset", RollTopOffset);
    v.Int("rollbottomoffset", RollBottomOffset);
    v.Rect("rollvcaptionrect", RollVCaptionRect);
    v.Rect("rollhcaptionrect", RollHCaptionRect);
    VisitCloseButton(v);
    v.Rect("hrollbuttonrect", HRollButtonRect);
    v.Rect("hrollbuttonactiverect", HRollButtonActiveRect);
    v.Rect("hrollbuttondownrect", HRollButtonDownRect);
    v.Rect("hrestorebuttonrect", HRestoreButtonRect);
    v.Rect("hrestorebuttonactiverect", HRestoreButtonActiveRect);
    v.Rect("hrestorebuttondownrect", HRestoreButtonDownRect);
    v.Rect("vrollbuttonrect", VRollButtonRect);
    v.Rect("vrollbuttonactiverect", VRollButtonActiveRect);
    v.Rect("vrollbuttondownrect", VRollButtonDownRect);
    v.Rect("vrestorebuttonrect", VRestoreButtonRect);
    v.Rect("vrestorebuttonactiverect", VRestoreButtonActiveRect);
    v.Rect("vrestorebuttondownrect", VRestoreButtonDownRect);
    v.Rect("captionrect", CaptionRect);
    VisitFont(v);
    v.Bool("buttonstransparent", ButtonsTransparent);
    v.Colour("buttonstransparentcolor", ButtonsTransparentColor);
}

void TbsDataSkinLabelControl::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinCustomControl::VisitFields(v);
    VisitFont(v);
}

void TbsDataSkinStdLabelControl::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinControl::VisitFields(v);
    VisitFont(v);
    v.Colour("activefontcolor", ActiveFontColor, 16711680);
}

void TbsDataSkinBevel::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinControl::VisitFields(v);
    v.Colour("lightcolor", LightColor);
    v.Colour("darkcolor", DarkColor);
}

void TbsDataSkinControlBar::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinCustomControl::VisitFields(v);
    v.Rect("itemrect", ItemRect);
    v.Int("bgpictureindex", BGPictureIndex, -1);
    v.Rect("hgriprect", HGripRect);
    v.Rect("vgriprect", VGripRect);
    v.Int("gripoffset1", GripOffset1);
    v.Int("gripoffset2", GripOffset2);
    v.Bool("itemstretcheffect", ItemStretchEffect);
    v.Int("itemoffset1", ItemOffset1, 3);
    v.Int("itemoffset2", ItemOffset2, 3);
    v.Bool("itemtransparent", ItemTransparent);
    v.Colour("itemtransparentcolor", ItemTransparentColor);
    v.Bool("griptransparent", GripTransparent);
    v.Colour("griptransparentcolor", GripTransparentColor);
}

void TbsDataSkinScrollBoxControl::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinCustomControl::VisitFields(v);
    v.Int("bgpictureindex", BGPictureIndex, -1);
}

void TbsDataSkinSplitterControl::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinCustomControl::VisitFields(v);
    VisitGripper(v);
}

void TbsDataSkinGaugeControl::VisitFields(SkinFieldVisitor& v) {
    TbsDataSkinCustomControl::VisitFields(v);
    v.Rect("progressarea", ProgressArea);
    v.Rect("progressrect", ProgressRect);
    v.Int("beginoffset", BeginOffset);
    v.Int("endoffset", EndOffset);
    v.Bool("vertical", Vertical);
    VisitFont(v);
    v.Bool("progresstransparent", ProgressTransparent);
    v.Colour("progresstransparentcolor", ProgressTransparentColor);
    v.Bool("progressstretch", ProgressStretch);
    v.Rect("animationskinrect", AnimationSkinRect);
    v.Int("animationcountframes", AnimationCountFrames);
    v.Int("animationtimerinterval", AnimationTimerInterval);
    v.Rect("progressanimationskinrect", ProgressAnimationSkinRect);
    v.Int("progressanimationcountframes", ProgressAnimationCountFrames);
    v.Int("progressanimationtimerinterval", ProgressAnimationTimerInterval);
    v.Int("animationbeginoffset", AnimationBeginOffset);
    v.Int("animationendoffset", AnimationEndOffset);
}

}  // namespace dsp
