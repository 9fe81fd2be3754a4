#include "controls/slider.h"

#include <algorithm>

#include "controls/nav_key_map.h"
#include "controls/parent_picture.h"
#include "controls/skin_sections.h"
#include "platform/graphics/bmp_file.h"
#include "platform/graphics/canvas.h"
#include "skin/compose/state_cell.h"
#include "skin/data_skin_tracks.h"
#include "skin/skin_data.h"

namespace dsp {
namespace {

Bitmap BuiltIn(SliderPicture picture) { return DecodeBmp(SliderPictureBmp(picture)); }

}  // namespace

TbsSkinSlider::TbsSkinSlider(TComponent* owner) : TbsSkinControl(owner) {
    SetSkinDataName(SkinSectionName(SkinSection::Slider));
    SetTabStop(true);
    SetControlStyle(ControlStyle() | csAcceptsControls | csOpaque | csDoubleClicks);
    imageHThumb_ = BuiltIn(SliderPicture::BS_HTB);
    imageHRuler_ = BuiltIn(SliderPicture::BS_HRL);
    imageVThumb_ = BuiltIn(SliderPicture::BS_VTB);
    imageVRuler_ = BuiltIn(SliderPicture::BS_VRL);
    value_.OnInvalidate = [this](SliderValue&) {
        if (!dragging_) MoveThumbToValue();
        Invalidate();
    };
    value_.OnChange = [this](SliderValue&) {
        if (OnChange) OnChange(this);
    };
    repeat_.DirectionAt = [this](Point p) { return SliderPressDirection(ThumbRect(), Vertical(), p); };
    repeat_.Step = [this](int direction) { value_.Step(direction > 0 ? SliderStep::Up : SliderStep::Down); };
    SetBounds(0, 0, 150, 40);
}

void TbsSkinSlider::SetMinValue(int v) {
    value_.SetReading(Loading());
    value_.SetMinValue(v);
    value_.SetReading(false);
}

void TbsSkinSlider::SetMaxValue(int v) {
    value_.SetReading(Loading());
    value_.SetMaxValue(v);
    value_.SetReading(false);
}

void TbsSkinSlider::SetOrientation(TbsSliderOrientation o) {
    if (o == orientation_) return;
    orientation_ = o;
    ComputeLayout();
    if (!Loading()) SetBounds(Left(), Top(), Height(), Width());
}

void TbsSkinSlider::SetOptions(TbsSliderOptions options) {
    if (options == options_) return;
    options_ = options;
    value_.SetShowPoints((options_ & soShowPoints) != 0);
    Invalidate();
}

void TbsSkinSlider::SetEdgeSize(int size) {
    int length = Vertical() ? imageVRuler_.Height() : imageHRuler_.Width();
    if (2 * size >= length || size == edgeSize_) return;
    edgeSize_ = size;
    ComputeLayout();
}

void TbsSkinSlider::SetNumThumbStates(int n) {
    if (n < 1 || n > 2 || n == numThumbStates_) return;
    numThumbStates_ = n;
    ComputeLayout();
}

void TbsSkinSlider::SetTransparent(bool on) {
    transparent_ = on;
    Invalidate();
}

void TbsSkinSlider::SetParentColor(bool on) {
    parentColor_ = on;
    Invalidate();
}

void TbsSkinSlider::SetUseSkinThumb(bool on) {
    if (on == useSkinThumb_) return;
    useSkinThumb_ = on;
    ComputeLayout();
}

void TbsSkinSlider::ReadSkinData() {
    TbsSkinControl::ReadSkinData();
    skin_ = {};
    const auto* section = link_.Section<TbsDataSkinSlider>();
    if (section == nullptr) return;
    skin_.found = true;
    skin_.picture = SkinData()->Picture(section->PictureIndex);
    skin_.hRuler = ToRect(section->HRulerRect);
    skin_.hThumb = ToRect(section->HThumbRect);
    skin_.vRuler = ToRect(section->VRulerRect);
    skin_.vThumb = ToRect(section->VThumbRect);
    skin_.edgeSize = section->EdgeSize;
    skin_.background = static_cast<Color>(section->BGColor);
    skin_.points = static_cast<Color>(section->PointsColor);
}

void TbsSkinSlider::ApplySkinData() {
    TbsSkinControl::ApplySkinData();
    ComputeLayout();
}

void TbsSkinSlider::ForgetSkinData() {
    TbsSkinControl::ForgetSkinData();
    skin_ = {};  // its picture goes with the old skin
    ComputeLayout();
}

void TbsSkinSlider::ParentBackgroundChanged() {
    if (transparent_) Invalidate();
}

void TbsSkinSlider::SetImage(Bitmap& image, const Bitmap& given, std::uint8_t bit,
                             dsp::SliderPicture builtIn) {
    if (!given.Empty()) {
        image = given;
        userImages_ |= bit;
    } else {
        image = BuiltIn(builtIn);
        userImages_ &= static_cast<std::uint8_t>(~bit);
        if (!Loading()) {
            bool thumb = bit == kUserImageHThumb || bit == kUserImageVThumb;
            options_ &= ~(thumb ? soThumbOpaque : soRulerOpaque);
            Invalidate();
        }
    }
    ComputeLayout();
}

void TbsSkinSlider::SetBounds(int left, int top, int width, int height) {
    const bool moved = left != Left() || top != Top();
    TbsSkinControl::SetBounds(left, top, width, height);
    if (!Loading()) ComputeLayout();
    if (moved && transparent_) Invalidate();  // another part of the parent lies behind it
}

void TbsSkinSlider::Loaded() {
    TbsSkinControl::Loaded();
    ComputeLayout();
}

void TbsSkinSlider::ComputeLayout() {
    int remembered = value_.Value();
    SliderLayoutInput in;
    in.width = Width();
    in.height = Height();
    in.vertical = Vertical();
    if (SkinThumb()) {
        // A skin thumb always holds two states; the orientation test still
        // divides its width by NumThumbStates.
        const Rect strip = SkinThumbStrip();
        in.thumbWidth = strip.Width() / 2;
        in.thumbHeight = strip.Height();
        if (Vertical()) in.thumbCompareBreadth = strip.Width() / numThumbStates_;
    } else {
        const Bitmap& thumb = Thumb();
        in.thumbWidth = thumb.Width() / numThumbStates_;
        in.thumbHeight = thumb.Height();
    }
    if (skin_.found) {
        in.rulerBreadth = Vertical() ? SkinRuler().Width() : SkinRuler().Height();
    } else {
        in.rulerBreadth = Vertical() ? imageVRuler_.Width() : imageHRuler_.Height();
    }
    layout_ = SliderGeometry::Layout(in);
    PrepareRuler();
    value_.SetValue(remembered);
    MoveThumbToValue();
    Invalidate();
}

void TbsSkinSlider::PrepareRuler() {
    const int length = Vertical() ? layout_.ruler.Height() : layout_.ruler.Width();
    if (skin_.found) {
        ruler_ = skin_.picture == nullptr
                     ? Bitmap()
                     : SliderSkinRuler(*skin_.picture, SkinRuler(), Vertical(), skin_.edgeSize, length);
        return;
    }
    const Bitmap& picture = RulerPicture();
    const int pictureLength = Vertical() ? picture.Height() : picture.Width();
    ruler_ = SliderBuiltInRuler(picture, SliderGeometry::BuiltInRulerPlan(pictureLength, edgeSize_, length),
                                Vertical(), length);
}

void TbsSkinSlider::MoveThumbToValue() {
    thumbPos_ = SliderGeometry::PositionOf(layout_, Value(), MinValue(), MaxValue());
}

SliderTicks TbsSkinSlider::Ticks(int step, int endLength, int innerLength) const {
    return {SliderGeometry::TickMarks(layout_, MinValue(), MaxValue(), step, endLength, innerLength),
            Vertical(), layout_.tickArea, skin_.found ? skin_.points : clWindowText};
}

void TbsSkinSlider::DrawPoints(Canvas& canvas, int step, int endLength, int innerLength) const {
    PaintSliderTicks(canvas, Ticks(step, endLength, innerLength));
}

SliderPictureDraw TbsSkinSlider::ThumbDraw() const {
    const bool second = thumbPressed_ || !EnabledThroughParents();
    SliderPictureDraw d;
    d.at = ThumbRect().TopLeft();
    if (SkinThumb()) {
        if (skin_.picture == nullptr) return d;
        d.picture = skin_.picture;
        d.source = StateCell(SkinThumbStrip(), 2, second ? 1 : 0);
        d.transparentColor = SliderKeyColor(*skin_.picture, d.source);
        return d;
    }
    const Bitmap& thumb = Thumb();
    const int stateWidth = thumb.Width() / numThumbStates_;
    const int left = numThumbStates_ == 2 && second ? stateWidth : 0;
    d.picture = &thumb;
    d.source = {left, 0, left + stateWidth, thumb.Height()};
    d.transparent = (options_ & soThumbOpaque) == 0;
    d.transparentColor = SliderKeyColor(thumb);
    return d;
}

SliderVisual TbsSkinSlider::Visual() {
    SliderVisual v;
    v.client = ClientRect();
    if (transparent_) {
        v.background = ParentPicture(*this);
    } else if (skin_.found) {
        v.fill = skin_.background;
    } else {
        v.fill = parentColor_ && Parent() ? Parent()->GetColor() : GetColor();
    }
    if (!ruler_.Empty()) {
        v.ruler = {&ruler_, ruler_.Bounds(), layout_.ruler.TopLeft(),
                   skin_.found || (options_ & soRulerOpaque) == 0, SliderKeyColor(ruler_)};
    }
    v.focusRect = (options_ & soShowFocus) && Focused();
    if (options_ & soShowPoints) {
        if (OnDrawPoints) {
            v.points = [this](Canvas& c) { OnDrawPoints(this, c); };
        } else {
            v.ticks = Ticks(Increment(), 5, 3);
        }
    }
    v.thumb = ThumbDraw();
    return v;
}

void TbsSkinSlider::PaintDefaultLook(LookContext& look) { PaintSlider(look, Visual()); }

void TbsSkinSlider::WndProc(TMessage& message) {
    if (message.Msg == kWmGetDlgCode) {
        message.Result = kDlgcWantArrows;
        return;
    }
    TbsSkinControl::WndProc(message);
}

void TbsSkinSlider::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TbsSkinControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft || (shift & ssDouble)) return;
    if (CanFocus() && !Focused()) SetFocus();
    Rect thumb = ThumbRect();
    if (thumb.Contains(Point{x, y})) {
        dragging_ = true;
        thumbPressed_ = true;
        dragOffset_ = Vertical() ? y - thumb.top : x - thumb.left;
        Invalidate();
        return;
    }
    if (SliderHitsRulerBand(layout_.ruler, Vertical(), {x, y})) {
        SetMouseCapture(true);
        repeat_.Press({x, y});
    }
}

void TbsSkinSlider::MouseMove(TShiftState shift, int x, int y) {
    TbsSkinControl::MouseMove(shift, x, y);
    if (dragging_ && (shift & ssLeft)) {
        int wanted = (Vertical() ? y : x) - dragOffset_;
        bool smooth = (options_ & soSmooth) != 0;
        int p = SliderGeometry::SnapThumb(layout_, wanted, MinValue(), MaxValue(), Increment(), smooth);
        if (p != thumbPos_) {
            thumbPos_ = p;
            Invalidate();
        }
        value_.StoreFromDrag(
            SliderGeometry::ValueAt(layout_, p, MinValue(), MaxValue(), Increment(), smooth));
        return;
    }
    repeat_.Move({x, y});
}

void TbsSkinSlider::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TbsSkinControl::MouseUp(button, shift, x, y);
    if (repeat_.Release()) {
        SetMouseCapture(false);
        FireChanged();
    }
    if (dragging_ && button == TMouseButton::mbLeft) {
        dragging_ = false;
        thumbPressed_ = false;
        Invalidate();
        FireChanged();
    }
}

void TbsSkinSlider::KeyDown(uint16_t& key, TShiftState shift) {
    TbsSkinControl::KeyDown(key, shift);
    auto step = SliderKeyStep(NavKeyOf(key), Vertical(), (shift & (ssShift | ssAlt | ssCtrl)) != 0);
    if (!step) return;
    key = 0;
    value_.Step(*step);
    FireChanged();
}

void TbsSkinSlider::DoEnter() {
    TbsSkinControl::DoEnter();
    if (options_ & soShowFocus) Invalidate();
}

void TbsSkinSlider::DoExit() {
    TbsSkinControl::DoExit();
    if (options_ & soShowFocus) Invalidate();
}

void TbsSkinSlider::FireChanged() {
    if (OnChanged) OnChanged(this);
}

}  // namespace dsp
