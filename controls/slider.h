#pragma once
// TbsSkinSlider: a horizontal or vertical integer picker made of a ruler, a
// two-state thumb and tick marks. Without skin data it draws four built-in
// pictures, each replaceable per control ("UserImages" records which are).

#include <cstdint>
#include <functional>

#include "controls/look/slider_look.h"
#include "controls/model/slider_geometry.h"
#include "controls/model/slider_ruler_repeat.h"
#include "controls/model/slider_value.h"
#include "controls/skin_control.h"
#include "controls/slider_pictures.h"
#include "controls/timer_port.h"

namespace dsp {

enum class TbsSliderOrientation { soHorizontal, soVertical };

using TbsSliderOptions = unsigned;
inline constexpr TbsSliderOptions soShowFocus = 1;
inline constexpr TbsSliderOptions soShowPoints = 2;
inline constexpr TbsSliderOptions soSmooth = 4;
inline constexpr TbsSliderOptions soRulerOpaque = 8;
inline constexpr TbsSliderOptions soThumbOpaque = 16;

// Bits of the stored "UserImages" byte.
inline constexpr std::uint8_t kUserImageHThumb = 1;
inline constexpr std::uint8_t kUserImageHRuler = 2;
inline constexpr std::uint8_t kUserImageVThumb = 4;
inline constexpr std::uint8_t kUserImageVRuler = 8;

class TbsSkinSlider : public TbsSkinControl {
  public:
    explicit TbsSkinSlider(TComponent* owner);

    int MinValue() const { return value_.MinValue(); }
    void SetMinValue(int v);
    int MaxValue() const { return value_.MaxValue(); }
    void SetMaxValue(int v);
    int Value() const { return value_.Value(); }
    void SetValue(int v) { value_.SetValue(v); }
    int Increment() const { return value_.Increment(); }
    void SetIncrement(int v) { value_.SetIncrement(v); }
    TbsSliderOrientation Orientation() const { return orientation_; }
    void SetOrientation(TbsSliderOrientation o);
    TbsSliderOptions Options() const { return options_; }
    void SetOptions(TbsSliderOptions options);
    int EdgeSize() const { return edgeSize_; }
    void SetEdgeSize(int size);
    int NumThumbStates() const { return numThumbStates_; }
    void SetNumThumbStates(int n);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool on);
    // Take the thumb from the skin when skinned.
    bool UseSkinThumb() const { return useSkinThumb_; }
    void SetUseSkinThumb(bool on);

    // Reads the section's picture, ruler and thumb rectangles, edge size and
    // colours; a section of another kind counts as none.
    void ReadSkinData() override;
    // A skin change moves ruler and thumb: the layout follows.
    void ApplySkinData() override;
    void ForgetSkinData() override;
    bool Skinned() const { return skin_.found; }

    // Pictures; an empty bitmap puts the built-in one back.
    void SetImageHThumb(const Bitmap& b) {
        SetImage(imageHThumb_, b, kUserImageHThumb, SliderPicture::BS_HTB);
    }
    void SetImageHRuler(const Bitmap& b) {
        SetImage(imageHRuler_, b, kUserImageHRuler, SliderPicture::BS_HRL);
    }
    void SetImageVThumb(const Bitmap& b) {
        SetImage(imageVThumb_, b, kUserImageVThumb, SliderPicture::BS_VTB);
    }
    void SetImageVRuler(const Bitmap& b) {
        SetImage(imageVRuler_, b, kUserImageVRuler, SliderPicture::BS_VRL);
    }
    const Bitmap& ImageHThumb() const { return imageHThumb_; }
    const Bitmap& ImageVThumb() const { return imageVThumb_; }
    std::uint8_t UserImages() const { return userImages_; }

    const SliderLayout& Layout() const { return layout_; }
    Rect ThumbRect() const { return SliderGeometry::ThumbAt(layout_, thumbPos_); }
    bool ThumbPressed() const { return thumbPressed_; }
    void SetBounds(int left, int top, int width, int height) override;

    // Draws tick marks with step `step`, end marks `endLength` and inner marks
    // `innerLength` pixels long (what an OnDrawPoints handler may call).
    void DrawPoints(Canvas& canvas, int step, int endLength, int innerLength) const;
    // What a paint draws now.
    SliderVisual Visual();

    TNotifyEvent OnChange;
    TNotifyEvent OnChanged;
    std::function<void(TObject* sender, Canvas& canvas)> OnDrawPoints;

  protected:
    void Loaded() override;
    void PaintDefaultLook(LookContext& look) override;
    void PaintSkinLook(LookContext& look) override { PaintDefaultLook(look); }
    void ParentBackgroundChanged() override;
    void WndProc(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void DoEnter() override;
    void DoExit() override;
    void TimerFired(uint32_t id) override { repeat_.OnTimer(static_cast<int>(id)); }
    void EnabledChanged() override { Invalidate(); }

  private:
    void SetImage(Bitmap& image, const Bitmap& given, std::uint8_t bit, dsp::SliderPicture builtIn);
    void ComputeLayout();
    void PrepareRuler();
    void MoveThumbToValue();
    bool Vertical() const { return orientation_ == TbsSliderOrientation::soVertical; }
    const Bitmap& Thumb() const { return Vertical() ? imageVThumb_ : imageHThumb_; }
    const Bitmap& RulerPicture() const { return Vertical() ? imageVRuler_ : imageHRuler_; }
    void FireChanged();
    bool SkinThumb() const { return skin_.found && useSkinThumb_; }
    // The skin's two-state thumb strip and ruler rectangle for the orientation.
    Rect SkinThumbStrip() const { return Vertical() ? skin_.vThumb : skin_.hThumb; }
    Rect SkinRuler() const { return Vertical() ? skin_.vRuler : skin_.hRuler; }
    SliderPictureDraw ThumbDraw() const;
    // The tick marks for step `step`, end marks `endLength` and inner marks
    // `innerLength` pixels long, in the points colour.
    SliderTicks Ticks(int step, int endLength, int innerLength) const;

    struct SkinParts {
        bool found = false;
        const Bitmap* picture = nullptr;  // in the skin data's list; not owned
        Rect hRuler, hThumb, vRuler, vThumb;
        int edgeSize = 0;
        Color background = 0;
        Color points = 0;
    };
    SkinParts skin_;

    ControlTimerPort timers_{*this};
    SliderValue value_;
    SliderRulerRepeat repeat_{timers_};
    TbsSliderOrientation orientation_ = TbsSliderOrientation::soHorizontal;
    TbsSliderOptions options_ = soShowFocus | soShowPoints | soSmooth;
    int edgeSize_ = 2;
    int numThumbStates_ = 2;
    bool transparent_ = false;
    bool parentColor_ = true;
    bool useSkinThumb_ = true;
    Bitmap imageHThumb_, imageHRuler_, imageVThumb_, imageVRuler_;
    std::uint8_t userImages_ = 0;
    SliderLayout layout_;
    Bitmap ruler_;
    int thumbPos_ = kSliderInset;
    bool dragging_ = false;
    bool thumbPressed_ = false;
    int dragOffset_ = 0;
};

}  // namespace dsp
