#pragma once
// TForm: a top-level window. Its bounds are in screen coordinates. A window
// host gives it a real window (or an in-memory one); the form paints its whole
// tree into one frame bitmap and hands the changed part to the host.
//
// A popup form (drop-down lists, menus) never takes activation: clicking it
// leaves the keyboard focus where it was.

#include <memory>

#include "platform/framework/win_control.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/region.h"

namespace dsp {

class HostWindow;

enum class TCloseAction { caNone, caHide, caFree };
using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;

class TForm : public TCustomControl {
  public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    TForm* AsForm() override { return this; }

    bool IsPopup() const { return popup_; }
    // Set before the form is first shown.
    void SetPopup(bool popup) { popup_ = popup; }
    // A form that does not draw its own frame yet asks the host for the
    // display's decorated window around its client area. Set before the form
    // is first shown.
    bool NativeFrame() const { return nativeFrame_; }
    void SetNativeFrame(bool on) { nativeFrame_ = on; }
    // The window's icon, for a frame that shows it in its caption (empty:
    // none).
    const Bitmap& Icon() const { return icon_; }
    void SetIcon(Bitmap icon) { icon_ = std::move(icon); }

    void SetVisible(bool visible) override;
    void SetBounds(int left, int top, int width, int height) override;
    // The client area's size; the window grows or shrinks by the same amount,
    // its frame staying as it is.
    void SetClientWidth(int width) { SetWidth(Width() - ClientWidth() + width); }
    void SetClientHeight(int height) { SetHeight(Height() - ClientHeight() + height); }
    void SetWindowRegion(std::optional<Region> region) override;
    Point ClientOrigin() const override;
    Point OffsetInForm() const override;

    // Closing: OnClose decides (hide by default, caFree also frees the form
    // once the handlers running now have returned); closing the main form
    // ends the program.
    void Close();
    // Frees the form from the message loop, after the current handlers.
    void Release();

    bool Active() const;
    TWinControl* ActiveControl() const { return activeControl_; }
    // Moves the focus to the control when the form is active, otherwise
    // remembers it for the next activation.
    void SetActiveControl(TWinControl* control);

    // Painting. Invalidated parts collect in a dirty region (a fader moving
    // while a caption button fades must not grow into the whole window in
    // between); PaintDirty paints just those pixels into the frame bitmap and
    // hands the same region to the host to show.
    void InvalidateWindowRect(const Rect& windowRect);
    const Region& DirtyRegion() const { return dirty_; }
    Rect DirtyRect() const { return dirty_.Bounds(); }
    void PaintDirty();
    const Bitmap& Frame() const { return frame_; }
    // While a hold lives, a control's Update (its "paint me now") leaves its
    // pixels to the one pass that paints everything invalidated meanwhile when
    // the last hold ends, so a handler that changes many controls at once (the
    // activation, relabelling every caption) paints each pixel once.
    class PaintHold {
      public:
        explicit PaintHold(TForm& form);
        ~PaintHold() noexcept(false);
        PaintHold(const PaintHold&) = delete;
        PaintHold& operator=(const PaintHold&) = delete;

      private:
        TForm& form_;
        int exceptions_;
    };
    bool PaintHeld() const { return paintHolds_ > 0; }
    // Paints the whole form into `target` at `origin` (for tests and tools).
    void PaintTo(Canvas& canvas, Point origin);

    HostWindow* Host() const { return host_.get(); }

    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TCloseEvent OnClose;

  protected:
    void WndProc(TMessage& message) override;
    void Paint() override;
    bool DialogKey(uint16_t key, TShiftState shift) override;

  private:
    void EnsureHost();
    void ActivateChanged(bool active);

    bool popup_ = false;
    bool nativeFrame_ = false;
    Bitmap icon_;
    TWinControl* activeControl_ = nullptr;
    std::unique_ptr<HostWindow> host_;
    Bitmap frame_;
    Region dirty_;
    int paintHolds_ = 0;

    friend class TApplication;
    friend class TWinControl;
};

}  // namespace dsp
