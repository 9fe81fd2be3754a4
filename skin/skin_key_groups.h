#pragma once
// Blocks of keys that many kinds of skin record share: the same fields under
// the same key names, read and written as one block. A record takes a block
// as a base, keeps its fields public under their usual names, and visits the
// block at the place its keys stand in the section.

#include <string>

#include "skin/skin_fields.h"
#include "skin/skin_types.h"

namespace dsp {

// fontname ("Arial"), fontheight (14), fontstyle, fontcolor.
struct SkinFontKeys {
    std::string FontName = "Arial";
    int FontHeight = 14;
    TFontStyles FontStyle = 0;
    TColor FontColor = 0;

    void VisitFont(SkinFieldVisitor& v) { v.Font("", FontName, FontHeight, FontStyle, FontColor); }
};

// The four inner corner points that cut a picture into its stretch pieces.
struct SkinCornerKeys {
    TPoint LTPoint, RTPoint, LBPoint, RBPoint;

    void VisitCorners(SkinFieldVisitor& v) { v.Corners(LTPoint, RTPoint, LBPoint, RBPoint); }
};

// Which sides of a picture stretch, and how. Controls list the sides left,
// top, right, bottom; the window records left, right, top, bottom.
struct SkinStretchKeys {
    enum class Order { LeftTopRightBottom, LeftRightTopBottom };

    bool LeftStretch = false, TopStretch = false, RightStretch = false, BottomStretch = false;
    bool StretchEffect = false;
    TbsStretchType StretchType = TbsStretchType::stFull;

    void VisitStretch(SkinFieldVisitor& v, Order order = Order::LeftTopRightBottom);
};

// A pair of arrow buttons, each in its normal, hot and pressed picture.
struct SkinUpDownButtonKeys {
    TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
    TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;

    void VisitUpDownButtons(SkinFieldVisitor& v);
};

// One button in its normal, hot, pressed and disabled picture.
struct SkinStateButtonKeys {
    TRect ButtonRect, ActiveButtonRect, DownButtonRect, UnEnabledButtonRect;

    void VisitStateButton(SkinFieldVisitor& v);
};

// The item pictures of a list: normal, hot, focused, their stretch margins
// and where the text goes.
struct SkinItemKeys {
    TRect ItemRect, ActiveItemRect, FocusItemRect;
    int ItemLeftOffset = 0;
    int ItemRightOffset = 0;
    TRect ItemTextRect;

    void VisitItems(SkinFieldVisitor& v);
};

// An animation strip: where its frames stand, how many, and the time a frame
// shows (milliseconds).
struct SkinAnimationKeys {
    TRect AnimateSkinRect;
    int FrameCount = 0;
    int AnimateInterval = 25;

    void VisitAnimation(SkinFieldVisitor& v);
};

// A caption button's pictures while the window is maximized.
struct SkinRestoreKeys {
    TRect RestoreRect, RestoreActiveRect, RestoreDownRect, RestoreInactiveRect;

    void VisitRestore(SkinFieldVisitor& v);
};

// A close button in its normal, hot and pressed picture.
struct SkinCloseButtonKeys {
    TRect CloseButtonRect, CloseButtonActiveRect, CloseButtonDownRect;

    void VisitCloseButton(SkinFieldVisitor& v);
};

// A gripper picture, optionally with a transparent colour.
struct SkinGripperKeys {
    TRect GripperRect;
    bool GripperTransparent = false;
    TColor GripperTransparentColor = 0;

    void VisitGripper(SkinFieldVisitor& v);
};

}  // namespace dsp
