#pragma once
// TWinControl: a windowed control. It holds child controls (windowless ones
// below windowed ones, each kind in z-order), a tab order of its windowed
// children, the keyboard focus, an optional non-client area (asked for with
// kWmNcCalcSize) and an optional window region that shapes and clips it.

#include <optional>
#include <vector>

#include "platform/framework/control.h"
#include "platform/graphics/region.h"

namespace dsp {

using TKeyEvent = std::function<void(TObject* sender, uint16_t& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TObject* sender, char32_t& key)>;

class TWinControl : public TControl {
  public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    bool IsWindowed() const override { return true; }

    // Children, windowless first then windowed, each group bottom to top.
    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(static_cast<size_t>(index)); }
    // The topmost visible child under a client point (windowed before
    // windowless); disabled ones are found too. nullptr when none.
    TControl* ControlAtPos(Point clientPoint) const;

    // Tab order of the windowed children.
    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool v) { tabStop_ = v; }
    // Every windowed descendant in tab order, depth first.
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    // The next control after `current` in tab order among this control's
    // descendants, wrapping round; nullptr when there is none to go to.
    TWinControl* FindNextControl(TWinControl* current, bool forward, bool checkTabStop,
                                 bool checkParent) const;
    void SelectNext(TWinControl* current, bool forward, bool checkTabStop);

    // Focus.
    virtual bool CanFocus() const;
    bool Focused() const;
    // Moves the keyboard focus here; false (and nothing changes) when the
    // control cannot take it.
    bool SetFocus();

    // Non-client area: the client rectangle within the control's bounds.
    Rect ClientRect() const override;
    Rect ClientRectInWindow() const { return clientInWindow_; }
    // Asks the control (kWmNcCalcSize) for its client area again.
    void RecalcNonClient();
    Point ClientOrigin() const override;
    Point OffsetInForm() const override;

    // Window region, in the control's own (window) coordinates. No region:
    // the whole bounds.
    const std::optional<Region>& WindowRegion() const { return region_; }
    virtual void SetWindowRegion(std::optional<Region> region);
    // Contains a point given in the control's window coordinates.
    bool WindowContains(Point windowPoint) const;

    void SetBounds(int left, int top, int width, int height) override;
    void SetEnabled(bool enabled) override;
    void SetVisible(bool visible) override;

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

  protected:
    void WndProc(TMessage& message) override;
    virtual void KeyDown(uint16_t& key, TShiftState shift);
    virtual void KeyUp(uint16_t& key, TShiftState shift);
    virtual void KeyPress(char32_t& key);
    virtual void DoEnter();
    virtual void DoExit();
    // The dialog-key handling (kCmDialogKey): offers the key to every child;
    // true when one took it.
    virtual bool DialogKey(uint16_t key, TShiftState shift);

  private:
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void Restack(TControl* control, bool toFront);
    void LoseFocusAndCaptureInside();

    std::vector<TControl*> controls_;
    std::vector<TWinControl*> tabList_;
    bool tabStop_ = false;
    Rect clientInWindow_;
    std::optional<Region> region_;

    friend class TControl;
};

// A windowed control that paints itself.
class TCustomControl : public TWinControl {
  public:
    using TWinControl::TWinControl;
};

}  // namespace dsp
