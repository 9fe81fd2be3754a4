#pragma once
// The push button's state and behaviour: Down with latching groups, the click
// rules for mouse and keys, and the auto-repeat of RepeatMode. A click happens
// when a press that began on the button is released over it; in a group the
// press itself clicks and the button stays down.

#include <functional>
#include <vector>

#include "controls/model/control_timers.h"
#include "controls/model/nav_key.h"

namespace dsp {

class ButtonModel {
public:
    using Event = std::function<void(ButtonModel& sender)>;
    static constexpr int kRepeatTimerId = 1;
    static constexpr int kRepeatDelayMs = 500;

    explicit ButtonModel(ControlTimers& timers) : timers_(timers) {}

    bool Down() const { return down_; }
    void SetDown(bool down);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index) { groupIndex_ = index; }
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool allow) { allowAllUp_ = allow; }
    bool RepeatMode() const { return repeatMode_; }
    void SetRepeatMode(bool on) { repeatMode_ = on; }
    int RepeatInterval() const { return repeatInterval_; }
    void SetRepeatInterval(int ms) { repeatInterval_ = ms > 0 ? ms : 1; }
    bool CanFocused() const { return canFocused_; }
    void SetCanFocused(bool can) { canFocused_ = can; }
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }

    bool Hover() const { return hover_; }
    bool MouseHeld() const { return mouseHeld_; }
    bool Repeating() const { return repeating_; }
    bool Grouped() const { return groupIndex_ != 0; }

    // The parent form's modal result becomes ModalResult (with CanFocused),
    // then OnClick runs.
    void Click();

    // Left-button gestures; `over` tells whether the pointer is over the button.
    void MousePress();
    void MouseRelease(bool over);
    void MouseEnter();
    void MouseLeave();
    void KeyDown(NavKey key);
    void KeyUp(NavKey key);
    void FocusLost();
    void OnTimer(int id);

    // The buttons of the same parent (this one may be among them).
    std::function<std::vector<ButtonModel*>()> Siblings;
    std::function<void(int modalResult)> SetFormModalResult;

    Event OnClick;
    Event OnInvalidate;

private:
    void StartRepeat();
    void StopRepeat();
    void Invalidate();

    ControlTimers& timers_;
    bool down_ = false;
    int groupIndex_ = 0;
    bool allowAllUp_ = false;
    bool repeatMode_ = false;
    int repeatInterval_ = 100;
    bool canFocused_ = true;
    int modalResult_ = 0;
    bool hover_ = false;
    bool mouseHeld_ = false;
    bool pressedWhileDown_ = false;
    bool repeating_ = false;
    bool firstDelay_ = false;
};

} // namespace dsp
