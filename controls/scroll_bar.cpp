#include "controls/scroll_bar.h"

#include "controls/look/skin_piece.h"
#include "controls/model/wheel.h"
#include "controls/skin_sections.h"
#include "skin/data_skin_lists.h"

namespace dsp {
namespace {

ScrollBarSkinGeometry GeometryOf(const TbsDataSkinScrollBarControl& s) {
    ScrollBarSkinGeometry g;
    g.skinRect = ToRect(s.SkinRect);
    g.trackArea = ToRect(s.TrackArea);
    g.upButtonRect = ToRect(s.UpButtonRect);
    g.downButtonRect = ToRect(s.DownButtonRect);
    g.leftBottomPoint = {s.LBPoint.X, s.LBPoint.Y};
    g.rightTopPoint = {s.RTPoint.X, s.RTPoint.Y};
    g.thumbRect = ToRect(s.ThumbRect);
    g.thumbMinSize = s.ThumbMinSize;
    g.thumbMinPageSize = s.ThumbMinPageSize;
    return g;
}

}  // namespace

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

void TbsSkinScrollBar::ReadSkinData() {
    TbsSkinCustomControl::ReadSkinData();
    const auto* section = link_.Section<TbsDataSkinScrollBarControl>();
    if (section && SkinPicture())
        skinGeometry_ = GeometryOf(*section);
    else
        skinGeometry_.reset();
}

ScrollBarParts TbsSkinScrollBar::Parts() const {
    ScrollBarValues v{model_.Min(), model_.Max(), model_.Position(), model_.PageSize()};
    if (skinGeometry_ && SkinIndex() >= 0)
        return ScrollBarGeometry::Skinned(Width(), Height(), model_.Kind(), v, *skinGeometry_);
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

PartState TbsSkinScrollBar::StateOf(Part part) const {
    // An arrow shows pressed only while the pointer stays on it; the thumb
    // while it is held or dragged.
    bool held = part == kThumb ? (pressed_ == kThumb || dragging_) : (pressed_ == part && hover_ == part);
    if (held) return PartState::Pressed;
    return hover_ == part ? PartState::Hot : PartState::Normal;
}

ScrollBarVisual TbsSkinScrollBar::Visual() const {
    ScrollBarVisual v;
    v.width = Width();
    v.height = Height();
    v.parts = Parts();
    v.vertical = model_.Kind() == ScrollBarKind::sbVertical;
    v.enabled = EnabledThroughParents();
    v.fitThumb = model_.PageSize() != 0 || (skinGeometry_ && skinGeometry_->thumbMinPageSize != 0);
    v.arrow1 = StateOf(kArrow1);
    v.arrow2 = StateOf(kArrow2);
    v.thumb = StateOf(kThumb);
    return v;
}

void TbsSkinScrollBar::PaintDefaultLook(LookContext& look) { PaintScrollBarDefault(look, Visual()); }

void TbsSkinScrollBar::PaintSkinLook(LookContext& look) {
    const auto* section = link_.Section<TbsDataSkinScrollBarControl>();
    if (!section || !SkinPicture() || !skinGeometry_) {
        PaintDefaultLook(look);
        return;
    }
    TbsSkinCustomControl::PaintSkinLook(look);
    PaintScrollBarSkin(look, Visual(), SkinPartsOf(*section));
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
