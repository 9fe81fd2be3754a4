#include "skin/skin_key_groups.h"

namespace dsp {

void SkinStretchKeys::VisitStretch(SkinFieldVisitor& v, Order order) {
    v.Bool("leftstretch", LeftStretch);
    if (order == Order::LeftTopRightBottom) {
        v.Bool("topstretch", TopStretch);
        v.Bool("rightstretch", RightStretch);
    } else {
        v.Bool("rightstretch", RightStretch);
        v.Bool("topstretch", TopStretch);
    }
    v.Bool("bottomstretch", BottomStretch);
    v.Bool("stretcheffect", StretchEffect);
    v.StretchType("stretchtype", StretchType);
}

void SkinUpDownButtonKeys::VisitUpDownButtons(SkinFieldVisitor& v) {
    v.Rect("upbuttonrect", UpButtonRect);
    v.Rect("activeupbuttonrect", ActiveUpButtonRect);
    v.Rect("downupbuttonrect", DownUpButtonRect);
    v.Rect("downbuttonrect", DownButtonRect);
    v.Rect("activedownbuttonrect", ActiveDownButtonRect);
    v.Rect("downdownbuttonrect", DownDownButtonRect);
}

void SkinStateButtonKeys::VisitStateButton(SkinFieldVisitor& v) {
    v.Rect("buttonrect", ButtonRect);
    v.Rect("activebuttonrect", ActiveButtonRect);
    v.Rect("downbuttonrect", DownButtonRect);
    v.Rect("unenabledbuttonrect", UnEnabledButtonRect);
}

void SkinItemKeys::VisitItems(SkinFieldVisitor& v) {
    v.Rect("itemrect", ItemRect);
    v.Rect("activeitemrect", ActiveItemRect);
    v.Rect("focusitemrect", FocusItemRect);
    v.Int("itemleftoffset", ItemLeftOffset);
    v.Int("itemrightoffset", ItemRightOffset);
    v.Rect("itemtextrect", ItemTextRect);
}

void SkinAnimationKeys::VisitAnimation(SkinFieldVisitor& v) {
    v.Rect("animateskinrect", AnimateSkinRect);
    v.Int("framecount", FrameCount);
    v.Int("animateinterval", AnimateInterval, 25);
}

void SkinRestoreKeys::VisitRestore(SkinFieldVisitor& v) {
    v.Rect("restorerect", RestoreRect);
    v.Rect("restoreactiverect", RestoreActiveRect);
    v.Rect("restoredownrect", RestoreDownRect);
    v.Rect("restoreinactiverect", RestoreInactiveRect);
}

void SkinCloseButtonKeys::VisitCloseButton(SkinFieldVisitor& v) {
    v.Rect("closebuttonrect", CloseButtonRect);
    v.Rect("closebuttonactiverect", CloseButtonActiveRect);
    v.Rect("closebuttondownrect", CloseButtonDownRect);
}

void SkinGripperKeys::VisitGripper(SkinFieldVisitor& v) {
    v.Rect("gripperrect", GripperRect);
    v.Bool("grippertransparent", GripperTransparent);
    v.Colour("grippertransparentcolor", GripperTransparentColor);
}

}  // namespace dsp
