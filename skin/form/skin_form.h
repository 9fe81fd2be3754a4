#pragma once
// TbsSkinForm: the skinned frame of a window. Placed on a form, it puts its
// message handler in front of the form's and takes over the non-client area:
// the frame drawn from the skin's main picture (or a plain fallback frame
// without a skin), the window's shape cut from the mask, the hit test, the
// caption buttons and caption text (the frame objects), the window states
// (minimized, maximized, rolled up) and the system menu. It also relays the
// skin change messages to every skinned control of its window.
//
// Everything about the frame's geometry comes from one FrameLayout computed
// for the window's size.

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/framework/form.h"
#include "platform/framework/mouse_message.h"
#include "platform/text/font.h"
#include "skin/form/caption_drag.h"
#include "skin/form/form_animator.h"
#include "skin/form/frame_layout.h"
#include "skin/form/frame_object.h"
#include "skin/skin_frame.h"

namespace dsp {

class FontEngine;
class TbsSkinPopupMenu;

enum TbsBorderIcon : unsigned {
    biSystemMenu = 1,
    biMinimize = 2,
    biMaximize = 4,
    biRollUp = 8,
    biMinimizeToTray = 16,
};
using TbsBorderIcons = unsigned;

enum class TbsWindowState { wsNormal, wsMinimized, wsMaximized };

using TbsFrameObjectEvent = std::function<void(TObject* sender, const std::string& idName)>;
using TbsCaptionPaintEvent =
    std::function<void(TObject* sender, Canvas& canvas, const Rect& rect, bool active)>;
using TbsActivateCustomObjectEvent =
    std::function<void(TObject* sender, const std::string& idName, bool& visible)>;

class TbsSkinForm : public TbsSkinComponent {
  public:
    // The owner must be a form (std::bad_cast otherwise).
    explicit TbsSkinForm(TComponent* owner);
    ~TbsSkinForm() override;

    // --- published properties
    void SetSkinData(TbsSkinData* value) override;
    TbsSkinData* MenusSkinData() const { return menusSkinData_; }
    void SetMenusSkinData(TbsSkinData* value);
    TbsBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TbsBorderIcons value);
    bool AlwaysResize() const { return alwaysResize_; }
    void SetAlwaysResize(bool value) { alwaysResize_ = value; }
    bool UseFormCursorInNCArea() const { return useFormCursorInNCArea_; }
    void SetUseFormCursorInNCArea(bool value) { useFormCursorInNCArea_ = value; }
    int ClientWidth() const { return clientWidth_; }
    void SetClientWidth(int value) { clientWidth_ = value; }
    int ClientHeight() const { return clientHeight_; }
    void SetClientHeight(int value) { clientHeight_ = value; }
    bool HideCaptionButtons() const { return hideCaptionButtons_; }
    void SetHideCaptionButtons(bool value);
    bool ShowIcon() const { return showIcon_; }
    void SetShowIcon(bool value);
    bool MaximizeOnFullScreen() const { return maximizeOnFullScreen_; }
    void SetMaximizeOnFullScreen(bool value) { maximizeOnFullScreen_ = value; }
    bool AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(bool value) { alphaBlend_ = value; }
    bool AlphaBlendAnimation() const { return alphaBlendAnimation_; }
    void SetAlphaBlendAnimation(bool value) { alphaBlendAnimation_ = value; }
    int AlphaBlendValue() const { return alphaBlendValue_; }
    void SetAlphaBlendValue(int value);
    bool UseDefaultObjectHint() const { return useDefaultObjectHint_; }
    void SetUseDefaultObjectHint(bool value) { useDefaultObjectHint_ = value; }
    bool UseDefaultSysMenu() const { return useDefaultSysMenu_; }
    void SetUseDefaultSysMenu(bool value) { useDefaultSysMenu_ = value; }
    bool Magnetic() const { return magnetic_; }
    void SetMagnetic(bool value) { magnetic_ = value; }
    int MagneticSize() const { return magneticSize_; }
    void SetMagneticSize(int value) { magneticSize_ = value; }
    int MinWidth() const { return minWidth_; }
    void SetMinWidth(int value) { minWidth_ = value; }
    int MinHeight() const { return minHeight_; }
    void SetMinHeight(int value) { minHeight_ = value; }
    int MaxWidth() const { return maxWidth_; }
    void SetMaxWidth(int value) { maxWidth_ = value; }
    int MaxHeight() const { return maxHeight_; }
    void SetMaxHeight(int value) { maxHeight_ = value; }
    int DefMenuItemHeight() const { return defMenuItemHeight_; }
    void SetDefMenuItemHeight(int value) { defMenuItemHeight_ = value; }
    TFont& DefCaptionFont() { return defCaptionFont_; }
    TFont& DefInActiveCaptionFont() { return defInActiveCaptionFont_; }

    // --- run-time state
    TForm& Form() const { return form_; }
    bool FrameOn() const { return frameOn_; }
    bool Skinned() const { return skinned_; }
    bool FormActive() const { return active_; }
    TbsWindowState WindowState() const { return windowState_; }
    void SetWindowState(TbsWindowState state);
    bool RollUpState() const { return rolledUp_; }
    void SetRollUpState(bool value);
    // Sizeable: the border lets the operator resize the window.
    bool Sizeable() const { return alwaysResize_; }
    const FrameLayout& Layout() const { return layout_; }
    const FrameObjectList& Objects() const { return objects_; }
    TbsActiveSkinObject* FindObject(const std::string& idName) const;
    int HotIndex() const { return hot_; }
    int PressedIndex() const { return pressed_; }
    bool IsPressed(const TbsActiveSkinObject& object) const;
    int MinimumWidth() const;
    int MinimumHeight() const;
    Rect MaximizedBounds() const;
    // The hit code for a point in window coordinates.
    int HitTest(Point windowPoint) const;
    // Carries out a caption button's command.
    void DoCommand(TbsStdCommand command);
    // The system menu (nullptr while closed); opened at a screen point.
    TbsSkinPopupMenu* SystemMenu() const { return sysMenu_.get(); }
    void OpenSystemMenu(Point screen);
    void CloseSystemMenu();
    // The application's font engine, which every control of the window
    // measures and draws with.
    FontEngine& Fonts() const;

    // Repaints the frame (all of it, or one object).
    void RepaintFrame();
    void RepaintObject(const TbsActiveSkinObject& object);

    // --- events
    TNotifyEvent OnMinimize;
    TNotifyEvent OnMaximize;
    TNotifyEvent OnRestore;
    TNotifyEvent OnChangeRollUpState;
    TNotifyEvent OnChangeSkinData;
    TNotifyEvent OnBeforeChangeSkinData;
    TNotifyEvent OnAfterChangeSkinData;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeActivate;
    TNotifyEvent OnSkinMenuOpen;
    TNotifyEvent OnSkinMenuClose;
    TbsFrameObjectEvent OnMouseEnterEvent;
    TbsFrameObjectEvent OnMouseLeaveEvent;
    TbsFrameObjectEvent OnMouseDownEvent;
    TbsFrameObjectEvent OnMouseUpEvent;
    TbsFrameObjectEvent OnMouseMoveEvent;
    TbsCaptionPaintEvent OnCaptionPaint;
    TbsActivateCustomObjectEvent OnActivateCustomObject;

  protected:
    void Notification(TComponent* component, TOperation operation) override;

  private:
    void HandleMessage(TMessage& message);
    bool HandleFrameMessage(TMessage& message);
    bool HandleMouse(TMessage& message);
    bool NonClientMouse(const MouseMessage& mouse, Point screen);
    bool ClientMouse(const MouseMessage& mouse, Point screen);
    bool HandleSkinMessage(TMessage& message);
    bool HandleSysCommand(uintptr_t command);

    // The fade-in when the window is shown.
    void StartFadeIn();
    bool FadeStep();

    // Skin.
    void ApplySkin();
    void BeforeSkinChange();
    void SetFrameOn(bool value);
    // The widths between the window and its client area, skinned or not.
    Rect Margins() const;
    void UpdateLayout();
    void UpdateRegion();
    void SetObjectFlags();
    void SetDefaultHints();
    void KeepClientSize(Size client);

    // Painting.
    void PaintFrame(Canvas& canvas);
    void PaintSkinnedFrame(Canvas& canvas);
    void PaintFallbackFrame(Canvas& canvas);
    void PaintObjects(Canvas& canvas, const FramePlans& plans);

    // Objects and the mouse.
    int ObjectAt(Point windowPoint) const;
    void UpdateHover(Point windowPoint);
    void SetHot(int index);
    void ObjectDown(TMouseButton button, Point windowPoint);
    void ObjectUp(TMouseButton button, Point windowPoint);
    bool HoverTick();
    void StartMorph();
    bool MorphTick();
    void StartCaptionAnimation();
    bool CaptionAnimationTick();
    void ActiveChanged(bool active);
    void CaptionDoubleClick();
    Point WindowPoint(Point screen) const;

    // States.
    void Minimize();
    void Maximize();
    void Restore();
    void RollUp(bool up);

    TForm& form_;
    TWndMethod previousHandler_;
    TbsSkinData* menusSkinData_ = nullptr;
    TbsBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize | biRollUp;
    bool alwaysResize_ = false;
    bool useFormCursorInNCArea_ = false;
    int clientWidth_ = 0, clientHeight_ = 0;
    bool hideCaptionButtons_ = false;
    bool showIcon_ = false;
    bool maximizeOnFullScreen_ = false;
    bool alphaBlend_ = false, alphaBlendAnimation_ = false;
    int alphaBlendValue_ = 200;
    bool useDefaultObjectHint_ = true;
    bool useDefaultSysMenu_ = true;
    bool magnetic_ = false;
    int magneticSize_ = 5;
    int minWidth_ = 0, minHeight_ = 0, maxWidth_ = 0, maxHeight_ = 0;
    int defMenuItemHeight_ = 20;
    TFont defCaptionFont_;
    TFont defInActiveCaptionFont_;

    bool frameOn_ = true;
    bool skinned_ = false;
    bool changing_ = false;
    bool active_ = false;
    TbsWindowState windowState_ = TbsWindowState::wsNormal;
    bool rolledUp_ = false;
    bool rolledUpWhileMaximized_ = false;
    int heightBeforeRollUp_ = 0;
    std::optional<Rect> restoreBounds_;
    FrameLayout layout_;
    // What the window region was last cut for. Cutting it from the mask is
    // the frame's costliest step, and a window resized to the size it has,
    // or a skin applied and then its size kept, asks for the same region
    // again. Applying a skin forgets it: the mask may be another.
    struct RegionKey {
        bool frameOn = false;
        bool skinned = false;
        Size window;
        bool operator==(const RegionKey&) const = default;
    };
    std::optional<RegionKey> regionKey_;
    FrameObjectList objects_;
    int hot_ = -1, pressed_ = -1, previous_ = -1;
    FormAnimator animator_;
    int alpha_ = 255, alphaTarget_ = 255;
    CaptionDrag drag_;
    // A pressed frame object holds the mouse.
    bool frameCapture_ = false;
    std::unique_ptr<TbsSkinPopupMenu> sysMenu_;
};

}  // namespace dsp
