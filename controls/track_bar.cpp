#include "controls/track_bar.h"

#include "controls/model/wheel.h"
#include "controls/skin_sections.h"
#include "platform/graphics/canvas.h"
#include "skin/data_skin_tracks.h"

namespace dsp {
namespace {

bool Resizable(SkinResizeMode mode) {
    return mode == SkinResizeMode::Both || mode == SkinResizeMode::Width || mode == SkinResizeMode::Height;
}

}  // namespace

TbsSkinTrackBar::TbsSkinTrackBar(TComponent* owner) : TbsSkinCustomControl(owner) {
    SetSkinDataName(SkinSectionName(SkinSection::HTrackBar));
    SetBounds(0, 0, 100, 20);
    SetTabStop(false);
    value_.OnInvalidate = [this](TrackBarValue&) { Invalidate(); };
    value_.OnChange = [this](TrackBarValue&) {
        if (OnChange) OnChange(this);
    };
}

TbsSkinTrackBar::~TbsSkinTrackBar() {
    OnChange = nullptr;
    OnLastChange = nullptr;
    OnStartDragButton = nullptr;
}

void TbsSkinTrackBar::SetVertical(bool vertical) {
    vertical_ = vertical;
    Invalidate();
}

void TbsSkinTrackBar::SetCanFocused(bool can) {
    canFocused_ = can;
    SetTabStop(can);
}

void TbsSkinTrackBar::ReadSkinData() {
    TbsSkinCustomControl::ReadSkinData();
    skin_ = {};
    const auto* section = link_.Section<TbsDataSkinTrackBarControl>();
    if (section == nullptr) return;
    skin_.found = true;
    skin_.trackArea = ToRect(section->TrackArea);
    skin_.button = ToRect(section->ButtonRect);
    skin_.activeButton = ToRect(section->ActiveButtonRect);
    skin_.activeSkin = ToRect(section->ActiveSkinRect);
    skin_.buttonTransparent = section->ButtonTransparent;
    skin_.buttonTransparentColor = static_cast<Color>(section->ButtonTransparentColor);
    vertical_ = section->Vertical;  // the section's orientation replaces the property
}

void TbsSkinTrackBar::ForgetSkinData() {
    TbsSkinCustomControl::ForgetSkinData();
    skin_ = {};  // its parts go with the old skin
}

Rect TbsSkinTrackBar::Track() const {
    if (!skin_.found) return TrackBarGeometry::DefaultTrack(Width(), Height());
    return TrackBarGeometry::WorkingTrack(skin_.trackArea, anchors_.skinRect, Width(), Height(), vertical_,
                                          Resizable(resizeMode_));
}

TrackBarSize TbsSkinTrackBar::ThumbSize() const {
    if (skin_.found) return {skin_.button.Width(), skin_.button.Height()};
    return TrackBarGeometry::DefaultThumbSize(Width(), Height(), vertical_);
}

int TbsSkinTrackBar::JumpMargin() const {
    if (!skin_.found) return 2;
    return vertical_ ? skin_.trackArea.top : skin_.trackArea.left;
}

TrackBarLayout TbsSkinTrackBar::CurrentLayout() const {
    return TrackBarGeometry::Layout(Track(), ThumbSize(), vertical_, MinValue(), MaxValue(), Value());
}

TrackBarSkinVisual TbsSkinTrackBar::SkinVisual() const {
    TrackBarSkinVisual v;
    if (!skin_.found) return v;
    v.picture = picture_;
    v.body = SkinBodyPlan(anchors_, stretch_, resizeMode_, Width(), Height());
    if (!skin_.activeSkin.IsEmpty()) {
        SkinAnchors active = anchors_;
        active.skinRect = skin_.activeSkin;
        v.activeBody = SkinBodyPlan(active, stretch_, resizeMode_, Width(), Height());
    }
    v.vertical = vertical_;
    v.width = Width();
    v.height = Height();
    v.thumb = CurrentLayout().thumb;
    const bool active = dragging_ || (canFocused_ && Focused());
    v.thumbSource = active && !skin_.activeButton.IsEmpty() ? skin_.activeButton : skin_.button;
    v.thumbTransparent = skin_.buttonTransparent;
    v.thumbTransparentColor = skin_.buttonTransparentColor;
    return v;
}

void TbsSkinTrackBar::PaintSkinLook(LookContext& look) {
    if (!skin_.found) return PaintDefaultLook(look);
    PaintTrackBarSkin(look, SkinVisual());
}

void TbsSkinTrackBar::EraseInto(Canvas* canvas) {
    if (canvas == nullptr || Width() <= 0 || Height() <= 0) return;
    PaintInto(*canvas);
}

TrackBarVisual TbsSkinTrackBar::Visual() const {
    return {Width(), Height(), vertical_, CurrentLayout().thumb, dragging_, canFocused_ && Focused()};
}

void TbsSkinTrackBar::PaintDefaultLook(LookContext& look) { PaintTrackBar(look, Visual()); }

void TbsSkinTrackBar::WndProc(TMessage& message) {
    if (message.Msg == kWmGetDlgCode) {
        message.Result = canFocused_ ? kDlgcWantArrows : 0;
        return;
    }
    if (message.Msg == kWmEraseBkgnd) {
        if (!InPaint()) EraseInto(reinterpret_cast<Canvas*>(message.WParam));
        message.Result = 1;
        return;
    }
    TbsSkinCustomControl::WndProc(message);
}

void TbsSkinTrackBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (canFocused_ && button == TMouseButton::mbLeft && !Focused()) {
        if (!SetFocus()) return;  // a press that cannot take the focus is dropped
    }
    TbsSkinCustomControl::MouseDown(button, shift, x, y);
    if (!mouseSupport_) return;
    TrackBarLayout l = CurrentLayout();
    if (!TrackBarGeometry::HitsThumb(l.thumb, {x, y})) return;
    pressCoord_ = vertical_ ? y : x;
    offsetAtPress_ = l.thumbOffset;
    dragging_ = true;
    Invalidate();
    if (OnStartDragButton) OnStartDragButton(this);
}

void TbsSkinTrackBar::MouseMove(TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseMove(shift, x, y);
    if (!mouseSupport_ || !dragging_) return;
    TrackBarLayout l = CurrentLayout();
    int offset = TrackBarGeometry::DragOffset(vertical_, pressCoord_, offsetAtPress_, vertical_ ? y : x);
    SetValue(TrackBarGeometry::ValueAtOffset(l, offset, MinValue(), MaxValue()));
}

void TbsSkinTrackBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseUp(button, shift, x, y);
    if (!mouseSupport_) return;
    if (dragging_) {
        dragging_ = false;
        Invalidate();
        FireLastChange();
        return;
    }
    if (!jumpWhenClick_) return;
    TrackBarLayout l = CurrentLayout();
    int offset = TrackBarGeometry::JumpOffset(vertical_, x, y, Height(), l.thumb, JumpMargin());
    SetValue(TrackBarGeometry::ValueAtOffset(l, offset, MinValue(), MaxValue()));
}

void TbsSkinTrackBar::KeyDown(uint16_t& key, TShiftState shift) {
    TbsSkinCustomControl::KeyDown(key, shift);
    if (!canFocused_) return;
    if (key == kVkLeft || key == kVkDown) {
        SetValue(Value() - 1);
        FireLastChange();
    } else if (key == kVkRight || key == kVkUp) {
        SetValue(Value() + 1);
        FireLastChange();
    }
}

bool TbsSkinTrackBar::DoMouseWheel(TShiftState shift, int wheelDelta, Point mousePos) {
    if (!canFocused_ || !Focused()) return TbsSkinCustomControl::DoMouseWheel(shift, wheelDelta, mousePos);
    bool away = WheelParam(wheelDelta, static_cast<unsigned>(ShiftToKeys(shift))) > 0;
    int step = (away == vertical_) ? +1 : -1;
    SetValue(Value() + step);
    FireLastChange();
    return true;
}

void TbsSkinTrackBar::DoEnter() {
    TbsSkinCustomControl::DoEnter();
    if (canFocused_) Invalidate();
}

void TbsSkinTrackBar::DoExit() {
    TbsSkinCustomControl::DoExit();
    if (canFocused_) Invalidate();
}

void TbsSkinTrackBar::FireLastChange() {
    if (OnLastChange) OnLastChange(this);
}

}  // namespace dsp
