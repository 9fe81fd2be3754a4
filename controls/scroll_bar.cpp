#include "controls/scroll_bar.h"

#include "controls/default_look.h"
#include "controls/model/wheel.h"
#include "controls/skin_sections.h"

namespace dsp {
TbsSkinScrollBar::TbsSkinScrollBar(TComponent* owner) : TbsSkinCustomControl(owner) {
    SetSkinDataName(SkinSectionName(SkinSection::HScrollBar));
    SetBounds(0, 0, 200, 19);
    model_.OnInvalidate = [this](ScrollBarModel&) { Invalidate(); };
    model_.OnChange = [this](ScrollBarModel&) {
        if (OnChange) OnChange(this);
    };
}

void TbsSkinScrollBar::SetKind(ScrollBarKind kind) {
    model_.SetKind(kind);
    SetSkinDataName(kind == ScrollBarKind::sbVertical ? SkinSectionName(SkinSection::VScrollBar)
                                                      : SkinSectionName(SkinSection::HScrollBar));
    Invalidate();
}

ScrollBarParts TbsSkinScrollBar::Parts() const {
    ScrollBarValues v{model_.Min(), model_.Max(), model_.Position(), model_.PageSize()};
    return ScrollBarGeometry::Default(Width(), Height(), model_.Kind(), v);
}

TbsSkinScrollBar::Part TbsSkinScrollBar::PartAt(Point p) const {
    ScrollBarParts parts = Parts();
    Point q = p;
    if (parts.arrow1.Contains(q)) return kArrow1;
    if (parts.arrow2.Contains(q)) return kArrow2;
    if (parts.thumb.Contains(q)) return kThumb;
    return kNone;
}

void TbsSkinScrollBar::SetHover(Part part) {
    if (hover_ == part) return;
    hover_ = part;
    Invalidate();
}

void TbsSkinScrollBar::PaintDefaultLook(Bitmap& bitmap) {
    Canvas c(bitmap);
    c.FillRect(ClientRect(), clBtnFace);
    ScrollBarParts parts = Parts();
    bool vertical = model_.Kind() == ScrollBarKind::sbVertical;
    auto state = [&](Part part) {
        bool held = part == kThumb ? (pressed_ == kThumb || dragging_) : (pressed_ == part && hover_ == part);
        if (held) return PartState::Pressed;
        return hover_ == part ? PartState::Hot : PartState::Normal;
    };
    if (EnabledThroughParents()) DrawStatePart(c, parts.thumb, state(kThumb));
    DrawStatePart(c, parts.arrow1, state(kArrow1));
    DrawStatePart(c, parts.arrow2, state(kArrow2));
    DrawArrow(c, parts.arrow1, vertical ? ArrowDirection::Up : ArrowDirection::Left, clBlack);
    DrawArrow(c, parts.arrow2, vertical ? ArrowDirection::Down : ArrowDirection::Right, clBlack);
}

void TbsSkinScrollBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft) return;
    last_ = {x, y};
    Part part = PartAt({x, y});
    pressed_ = part;
    bool vertical = model_.Kind() == ScrollBarKind::sbVertical;
    if (part == kArrow1 || part == kArrow2) {
        SetHover(part);
        model_.PressArrow(part == kArrow1 ? -1 : +1);
        return;
    }
    ScrollBarParts parts = Parts();
    if (part == kThumb) {
        dragging_ = true;
        dragOffset_ = vertical ? y - parts.thumb.top : x - parts.thumb.left;
        Invalidate();
        return;
    }
    if (!parts.track.Contains(Point{x, y})) return;
    int coord = vertical ? y : x;
    int direction = coord < (vertical ? parts.thumb.top : parts.thumb.left) ? -1 : +1;
    model_.PressTrack(direction, [this, direction, vertical] {
        ScrollBarParts now = Parts();
        int c = vertical ? last_.y : last_.x;
        return direction < 0 ? c < (vertical ? now.thumb.top : now.thumb.left)
                             : c >= (vertical ? now.thumb.bottom : now.thumb.right);
    });
}

void TbsSkinScrollBar::MouseMove(TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseMove(shift, x, y);
    last_ = {x, y};
    if (dragging_) {
        bool vertical = model_.Kind() == ScrollBarKind::sbVertical;
        int start = (vertical ? y : x) - dragOffset_;
        model_.DragTo(ScrollBarGeometry::DragFraction(Parts(), start, model_.Kind()));
        return;
    }
    SetHover(PartAt({x, y}));
}

void TbsSkinScrollBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseUp(button, shift, x, y);
    if (button != TMouseButton::mbLeft) return;
    model_.Release();
    pressed_ = kNone;
    dragging_ = false;
    Invalidate();
}

void TbsSkinScrollBar::MouseLeave() {
    TbsSkinCustomControl::MouseLeave();
    SetHover(kNone);
}

bool TbsSkinScrollBar::DoMouseWheel(TShiftState shift, int wheelDelta, Point mousePos) {
    if (!canFocused_ || !Focused()) return TbsSkinCustomControl::DoMouseWheel(shift, wheelDelta, mousePos);
    model_.Wheel(WheelParam(wheelDelta, static_cast<unsigned>(ShiftToKeys(shift))));
    return true;
}

}  // namespace dsp
