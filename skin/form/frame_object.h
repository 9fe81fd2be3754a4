#pragma once
// The frame objects of a skinned window: the caption buttons, the caption
// text area, plain buttons, animated and user objects, one run-time object
// per object of the skin's [SKINOBJECTS] list. Each knows its rectangle on
// the window, draws its normal, hot, pressed, disabled, inactive and restore
// images, fades between normal and hot, and reports the mouse to its frame,
// which owns the list and turns a button's release into its command.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/framework/keys.h"
#include "platform/graphics/canvas.h"
#include "skin/data_skin_objects.h"
#include "skin/form/frame_layout.h"

namespace dsp {

class TbsSkinForm;
class TbsSkinData;

class TbsActiveSkinObject {
  public:
    TbsActiveSkinObject(TbsSkinForm& frame, const TbsDataSkinObject& data);
    virtual ~TbsActiveSkinObject() = default;
    TbsActiveSkinObject(const TbsActiveSkinObject&) = delete;
    TbsActiveSkinObject& operator=(const TbsActiveSkinObject&) = delete;

    const std::string& IDName() const { return data_.IDName(); }
    const TbsDataSkinObject& Data() const { return data_; }
    // The object's rectangle in window coordinates.
    const Rect& ObjectRect() const { return rect_; }
    void Place(const TbsSkinFormData& form, const FrameLayout& layout);

    std::string Hint;
    bool MouseIn = false;
    bool Active = false;  // hot for buttons; the window's activation for captions
    bool Enabled = true;
    bool Visible = true;
    double MorphFactor = 0;
    bool Morphing = false;

    // The normal image lies in the object's own picture, not in the frame's.
    bool ImageInOwnPicture() const { return data_.SkinRectInAPicture; }
    virtual bool IsCaption() const { return false; }
    // The window command of a caption button, none for other objects.
    virtual std::optional<TbsStdCommand> WindowCommand() const { return std::nullopt; }

    // The end the fade runs towards, and whether it is still short of it.
    virtual double MorphTarget() const { return Active ? 1.0 : 0.0; }
    virtual bool StillMorphing() const;
    // One 25 ms fade step of 0.2 towards the target.
    void MorphStep();
    // Objects that step through a strip of frames (captions) on the frame's
    // animation track; the others never animate.
    virtual bool StillAnimating() const { return false; }
    virtual void AnimationStep() {}
    virtual int AnimationIntervalMs() const { return 0; }

    // Draws the object at its rectangle. `selfRepaint` is set when only the
    // object is repainted (then a frame-picture normal image is drawn too).
    virtual void Draw(Canvas& canvas, bool selfRepaint);

    virtual void MouseDown(int x, int y, TMouseButton button);
    virtual void MouseUp(int x, int y, TMouseButton button);
    virtual void MouseMove(int x, int y);
    virtual void MouseEnter();
    virtual void MouseLeave();

  protected:
    // The picture holding the object's images other than a frame-picture
    // normal image; nullptr when the skin gives it none.
    const Bitmap* OwnPicture() const { return ownPicture_; }
    // The picture and rectangle of the normal image.
    const Bitmap* NormalPicture() const;
    // Draws `source` of the object's own picture (or `picture`) at the
    // object's rectangle; nothing for an empty rectangle.
    bool DrawImage(Canvas& canvas, const Bitmap* picture, const TRect& source) const;
    // The fade between the normal and the active image at MorphFactor.
    bool DrawFade(Canvas& canvas) const;
    // Inactive, fade, hot or normal: the common end of every object's look.
    void DrawCommon(Canvas& canvas, bool selfRepaint) const;

    TbsSkinForm& frame_;
    const TbsDataSkinObject& data_;
    const Bitmap* ownPicture_ = nullptr;
    TRect activeRect_;
    Rect rect_;
};

// "button": adds the pressed and disabled images.
class TbsSkinButtonObject : public TbsActiveSkinObject {
  public:
    TbsSkinButtonObject(TbsSkinForm& frame, const TbsDataSkinButton& data);

    // Pressed by the left button, and the mouse is on it.
    bool Down() const { return down_ && MouseIn; }
    void Draw(Canvas& canvas, bool selfRepaint) override;
    void MouseDown(int x, int y, TMouseButton button) override;
    void MouseUp(int x, int y, TMouseButton button) override;
    void MouseMove(int x, int y) override;

  protected:
    bool DrawDisabledOrDown(Canvas& canvas) const;
    const TbsDataSkinButton& button_;
    bool down_ = false;
};

// "stdbutton": a caption button with a window command.
class TbsSkinStdButtonObject : public TbsSkinButtonObject {
  public:
    TbsSkinStdButtonObject(TbsSkinForm& frame, const TbsDataSkinStdButton& data);

    TbsStdCommand Command() const { return std_.Command; }
    std::optional<TbsStdCommand> WindowCommand() const override { return Command(); }
    void Draw(Canvas& canvas, bool selfRepaint) override;
    void MouseDown(int x, int y, TMouseButton button) override;
    void MouseUp(int x, int y, TMouseButton button) override;

  private:
    // The maximize, minimize or roll-up button while that state is on.
    bool InRestoreState() const;
    bool DrawRestore(Canvas& canvas) const;
    bool DrawIcon(Canvas& canvas) const;
    const TbsDataSkinStdButton& std_;
};

// "caption": the caption text area.
class TbsSkinCaptionObject : public TbsActiveSkinObject {
  public:
    TbsSkinCaptionObject(TbsSkinForm& frame, const TbsDataSkinCaption& data);

    bool IsCaption() const override { return true; }
    void Draw(Canvas& canvas, bool selfRepaint) override;
    // The text rectangle in window coordinates (its right edge grows with the
    // object).
    Rect TextRect() const;

    // Animation frames: with skin effects on, a caption whose section has a
    // strip of frames (`animateskinrect`, `framecount`) steps through them
    // towards the last while the window is active, back to none (its usual
    // look) while it is not, one frame per `animateinterval`.
    bool Animated() const;
    int AnimationIntervalMs() const override;
    int AnimationFrame() const { return animationFrame_; }
    bool StillAnimating() const override { return Animated() && animationFrame_ != AnimationTarget(); }
    // One frame towards the end the activation gives.
    void AnimationStep() override;

  private:
    int AnimationTarget() const;
    void DrawText(Canvas& canvas) const;
    bool DrawAnimationFrame(Canvas& canvas) const;
    int animationFrame_ = 0;  // 0: no frame shown; 1..framecount
    const TbsDataSkinCaption& caption_;
};

// "animate": a button drawn from a strip of frames; the stored skins place
// none, so it shows its first frame and acts as a plain caption button.
class TbsSkinAnimateObject : public TbsActiveSkinObject {
  public:
    TbsSkinAnimateObject(TbsSkinForm& frame, const TbsDataSkinAnimate& data);
    TbsStdCommand Command() const { return animate_.Command; }
    std::optional<TbsStdCommand> WindowCommand() const override { return Command(); }
    void MouseUp(int x, int y, TMouseButton button) override;

  private:
    const TbsDataSkinAnimate& animate_;
};

// "userobject": only a position.
class TbsUserObject : public TbsActiveSkinObject {
  public:
    using TbsActiveSkinObject::TbsActiveSkinObject;
    void Draw(Canvas&, bool) override {}
};

using FrameObjectList = std::vector<std::unique_ptr<TbsActiveSkinObject>>;

// One run-time object per object of the skin's list, in order; menu items
// and main menu bar items and buttons make none.
FrameObjectList CreateFrameObjects(TbsSkinForm& frame, const TbsSkinData& skin);

// Where a `skinRect` of the picture lies on the window: by the corner zone
// (or zones) it lies in, moved or grown by dx and dy.
Rect PlaceObjectRect(const Rect& skinRect, const TbsSkinFormData& form, const FrameLayout& layout);

// The text cut to fit `width` with "..." appended, or unchanged when it fits.
std::string FitCaptionText(const std::string& text, int width,
                           const std::function<int(std::string_view)>& measure);

}  // namespace dsp
