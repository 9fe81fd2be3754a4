#pragma once
// Every rectangle of our skins, in one place. The three skins share one
// layout: the same control atlas (picture list entry 0), background tile
// (entry 1), caption-button atlas (entry 2) and frame picture; only the
// artwork painted into the rectangles differs. Image rectangles are in their
// picture; anchors, client, caption and button rectangles of a section are
// relative to the section's image, as the skin reader expects.

#include "platform/graphics/geometry.h"

namespace dsp::skingen::geo {

// The inner corner points and client rectangle of a custom-control section.
// Which points are set decides how the control may be sized: all four make
// nine pieces; only the two top ones three pieces across (height fixed); only
// the two left ones three pieces down (width fixed).
struct Anchors {
    Point leftTop, rightTop, leftBottom, rightBottom;
    Rect client;
};

constexpr Anchors NinePiece(Rect client) {
    return {{client.left, client.top}, {client.right, client.top}, {client.left, client.bottom},
            {client.right, client.bottom}, client};
}
constexpr Anchors ThreeAcross(int left, int right, Rect client) { return {{left, 0}, {right, 0}, {}, {}, client}; }
constexpr Anchors ThreeDown(int top, int bottom, Rect client) { return {{0, top}, {}, {0, bottom}, {}, client}; }

constexpr Rect At(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }

// Picture list entries.
inline constexpr int kControlsPicture = 0;
inline constexpr int kBackgroundPicture = 1;
inline constexpr int kFrameButtonsPicture = 2;

// --- control atlas -------------------------------------------------------
inline constexpr int kAtlasWidth = 320, kAtlasHeight = 262;

namespace button {  // 40 x 25, stretched across; height fixed at 25
inline constexpr Rect kNormal = At(0, 0, 40, 25), kHot = At(40, 0, 40, 25), kDown = At(80, 0, 40, 25),
                      kFocused = At(120, 0, 40, 25), kDisabled = At(160, 0, 40, 25);
inline constexpr Anchors kAnchors = ThreeAcross(7, 33, {5, 3, 35, 22});
}  // namespace button

namespace combobox {  // 60 x 20 (status bar version 60 x 21)
inline constexpr Rect kBody = At(0, 25, 60, 20), kActive = At(60, 25, 60, 20);
inline constexpr Anchors kAnchors = ThreeAcross(3, 42, {3, 3, 42, 17});
inline constexpr Rect kButton = {43, 2, 58, 18};  // in the body image
inline constexpr Rect kButtonHot = At(120, 25, 15, 16), kButtonDown = At(135, 25, 15, 16),
                      kButtonDisabled = At(150, 25, 15, 16);
inline constexpr Rect kItem = At(165, 25, 20, 14), kItemActive = At(185, 25, 20, 14),
                      kItemFocus = At(205, 25, 20, 14);
inline constexpr Rect kItemText = {3, 0, 17, 14};
}  // namespace combobox

namespace statuscombobox {
inline constexpr Rect kBody = At(0, 45, 60, 21), kActive = At(60, 45, 60, 21);
inline constexpr Anchors kAnchors = ThreeAcross(3, 42, {3, 3, 42, 18});
inline constexpr Rect kButton = {43, 2, 58, 19};
inline constexpr Rect kButtonHot = At(120, 45, 15, 17), kButtonDown = At(135, 45, 15, 17),
                      kButtonDisabled = At(150, 45, 15, 17);
inline constexpr Rect kItem = At(165, 45, 20, 15), kItemActive = At(185, 45, 20, 15),
                      kItemFocus = At(205, 45, 20, 15);
inline constexpr Rect kItemText = {3, 0, 17, 15};
}  // namespace statuscombobox

namespace statuspanel {  // a recessed text cell, height fixed at 21
inline constexpr Rect kBody = At(225, 45, 40, 21);
inline constexpr Anchors kAnchors = ThreeAcross(3, 37, {4, 2, 36, 19});
}  // namespace statuspanel

namespace statusbar {  // borderless: the whole image is the repeated client part
inline constexpr Rect kBody = At(265, 45, 40, 21);
inline constexpr Anchors kAnchors = NinePiece({0, 0, 40, 21});
}  // namespace statusbar

namespace spinedit {  // 60 x 20; the two buttons sit at the right end
inline constexpr Rect kBody = At(0, 66, 60, 20), kActive = At(60, 66, 60, 20);
inline constexpr Anchors kAnchors = ThreeAcross(3, 42, {3, 3, 42, 17});
inline constexpr Rect kUp = {44, 1, 59, 10}, kDown = {44, 10, 59, 19};  // in the body image
inline constexpr Rect kUpHot = At(120, 66, 15, 9), kUpPressed = At(135, 66, 15, 9), kDownHot = At(120, 75, 15, 9),
                      kDownPressed = At(135, 75, 15, 9);
}  // namespace spinedit

namespace edit {  // 40 x 18: the read-outs' height
inline constexpr Rect kBody = At(150, 66, 40, 18), kActive = At(190, 66, 40, 18);
inline constexpr Anchors kAnchors = NinePiece({2, 2, 38, 16});
}  // namespace edit

namespace panel {
inline constexpr Rect kBody = At(0, 86, 60, 60);
inline constexpr Anchors kAnchors = NinePiece({3, 3, 57, 57});
}  // namespace panel

namespace groupbox {  // a 22-pixel caption strip over a panel body
inline constexpr Rect kBody = At(60, 86, 80, 60);
inline constexpr Anchors kAnchors = NinePiece({3, 23, 77, 57});
inline constexpr Rect kCaption = {8, 1, 72, 22};
inline constexpr int kStripHeight = 22;
}  // namespace groupbox

namespace listbox {
inline constexpr Rect kBody = At(140, 86, 60, 60);
inline constexpr Anchors kAnchors = NinePiece({2, 2, 58, 58});
inline constexpr Rect kItem = At(200, 86, 60, 18), kItemActive = At(200, 104, 60, 18),
                      kItemFocus = At(200, 122, 60, 18);
inline constexpr Rect kItemText = {4, 0, 56, 18};
inline constexpr int kItemOffset = 3;
}  // namespace listbox

namespace vscrollbar {  // 16 x 60, sized in height
inline constexpr Rect kBody = At(260, 86, 16, 60);
inline constexpr Anchors kAnchors = ThreeDown(17, 43, {0, 16, 16, 44});
inline constexpr Rect kTrack = {0, 16, 16, 44};
inline constexpr Rect kUp = {0, 0, 16, 16}, kDown = {0, 44, 16, 60};
inline constexpr Rect kUpHot = At(276, 86, 16, 16), kUpPressed = At(292, 86, 16, 16),
                      kDownHot = At(276, 102, 16, 16), kDownPressed = At(292, 102, 16, 16);
inline constexpr Rect kThumb = At(276, 118, 12, 20), kThumbHot = At(288, 118, 12, 20),
                      kThumbDown = At(300, 118, 12, 20);
inline constexpr int kThumbOffset = 5;
}  // namespace vscrollbar

namespace hscrollbar {  // 60 x 16, sized in width; also the both-bars variant
inline constexpr Rect kBody = At(0, 146, 60, 16);
inline constexpr Anchors kAnchors = ThreeAcross(17, 43, {16, 0, 44, 16});
inline constexpr Rect kTrack = {16, 0, 44, 16};
inline constexpr Rect kLeft = {0, 0, 16, 16}, kRight = {44, 0, 60, 16};
inline constexpr Rect kLeftHot = At(120, 146, 16, 16), kLeftPressed = At(136, 146, 16, 16),
                      kRightHot = At(152, 146, 16, 16), kRightPressed = At(168, 146, 16, 16);
inline constexpr Rect kThumb = At(184, 146, 20, 12), kThumbHot = At(204, 146, 20, 12),
                      kThumbDown = At(224, 146, 20, 12);
inline constexpr int kThumbOffset = 5;
}  // namespace hscrollbar

namespace slider {  // thumbs hold two states side by side: normal, pressed
inline constexpr Rect kHRuler = At(0, 162, 30, 6), kHThumb = At(30, 162, 24, 20);
inline constexpr Rect kVRuler = At(54, 162, 6, 30), kVThumb = At(60, 162, 40, 12);
inline constexpr int kEdgeSize = 3;
}  // namespace slider

namespace htrackbar {  // 100 x 20, sized in width
inline constexpr Rect kBody = At(100, 162, 100, 20), kActive = At(100, 182, 100, 20);
inline constexpr Anchors kAnchors = ThreeAcross(10, 90, {0, 0, 100, 20});
inline constexpr Rect kTrackArea = {6, 0, 94, 20};
inline constexpr Rect kThumb = At(200, 162, 11, 20), kThumbHot = At(211, 162, 11, 20);
}  // namespace htrackbar

namespace trackbar {  // 20 x 100, vertical, sized in height only
inline constexpr Rect kBody = At(244, 162, 20, 100), kActive = At(264, 162, 20, 100);
inline constexpr Anchors kAnchors = ThreeDown(10, 90, {0, 0, 20, 100});
inline constexpr Rect kTrackArea = {0, 6, 20, 94};
inline constexpr Rect kThumb = At(284, 162, 20, 11), kThumbHot = At(284, 173, 20, 11);
inline constexpr int kTickPeriod = 8;
}  // namespace trackbar

// --- frame picture (the [PICTURES] main picture) and its mask -------------
namespace frame {
inline constexpr int kWidth = 220, kHeight = 120;
inline constexpr Rect kClient = {6, 30, 214, 114};
inline constexpr Point kLeftTop = {40, 30}, kRightTop = {116, 30}, kLeftBottom = {40, 114},
                       kRightBottom = {116, 114};
inline constexpr Rect kCaption = {30, 1, 118, 29};
inline constexpr Rect kCaptionText = {2, 0, 86, 28};  // in the caption object
inline constexpr Rect kButtons = {121, 7, 214, 23};
inline constexpr int kTopRadius = 7;
inline constexpr int kAccentRow = 28;  // the lit line under the caption
}  // namespace frame

// Caption buttons: normal image in the frame picture, the other states in
// the caption-button atlas, one row per button, one column per state.
enum class CaptionButton { Close, Maximize, Minimize, RollUp, SysMenu, Tray, Count };
enum class ButtonState { Hot, Down, Inactive, Disabled, Restore, RestoreHot, RestoreDown, RestoreInactive, Count };

inline constexpr int kCaptionButtonWidth = 17, kCaptionButtonHeight = 16;
inline constexpr int kFrameButtonsWidth = int(ButtonState::Count) * kCaptionButtonWidth;
inline constexpr int kFrameButtonsHeight = int(CaptionButton::Count) * kCaptionButtonHeight;

// Where each caption button sits in the frame picture.
constexpr Rect CaptionButtonRect(CaptionButton b) {
    switch (b) {
        case CaptionButton::Close: return At(197, 7, 17, 16);
        case CaptionButton::Maximize: return At(178, 7, 17, 16);
        case CaptionButton::Minimize: return At(159, 7, 17, 16);
        case CaptionButton::RollUp: return At(140, 7, 17, 16);
        case CaptionButton::Tray: return At(121, 7, 17, 16);
        default: return At(9, 7, 17, 16);  // the system menu button, on the left
    }
}

constexpr Rect CaptionButtonStateRect(CaptionButton b, ButtonState s) {
    return At(int(s) * kCaptionButtonWidth, int(b) * kCaptionButtonHeight, kCaptionButtonWidth,
              kCaptionButtonHeight);
}

inline constexpr int kBackgroundTile = 64;

}  // namespace dsp::skingen::geo
