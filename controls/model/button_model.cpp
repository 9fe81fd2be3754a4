#include "controls/model/button_model.h"

namespace dsp {

void ButtonModel::SetDown(bool down) {
    down_ = down;
    Invalidate();
    // A group keeps at most one button down, also with AllowAllUp: that only
    // lets the down one be released by another click.
    if (!Grouped() || !down || !Siblings) return;
    for (ButtonModel* other : Siblings()) {
        if (other != this && other->groupIndex_ == groupIndex_ && other->down_) other->SetDown(false);
    }
}

void ButtonModel::Click() {
    if (canFocused_ && SetFormModalResult) SetFormModalResult(modalResult_);
    if (OnClick) OnClick(*this);
}

void ButtonModel::MousePress() {
    mouseHeld_ = true;
    if (!down_) {
        hover_ = true;
        SetDown(true);
        if (repeatMode_ && !Grouped()) {
            StartRepeat();
        } else if (Grouped()) {
            Click();
        }
    } else if (Grouped()) {
        pressedWhileDown_ = true;
    }
}

void ButtonModel::MouseRelease(bool over) {
    if (!mouseHeld_) return;
    mouseHeld_ = false;
    if (!Grouped()) {
        bool wasDown = down_;
        StopRepeat();
        SetDown(false);
        if (over && wasDown) Click();
        return;
    }
    bool release = down_ && allowAllUp_ && pressedWhileDown_ && over;
    pressedWhileDown_ = false;
    if (release) {
        SetDown(false);
        Click();
    }
}

void ButtonModel::MouseEnter() {
    if (!hover_) {
        hover_ = true;
        Invalidate();
    }
    if (mouseHeld_ && repeatMode_ && !Grouped() && down_) StartRepeat();
}

void ButtonModel::MouseLeave() {
    if (hover_) {
        hover_ = false;
        Invalidate();
    }
    if (mouseHeld_) StopRepeat();
}

void ButtonModel::KeyDown(NavKey key) {
    if (!canFocused_) return;
    if (key == NavKey::Space) {
        SetDown(true);
        if (repeatMode_) Click(); // key repetition repeats the click
    } else if (key == NavKey::Enter) {
        Click();
    }
}

void ButtonModel::KeyUp(NavKey key) {
    if (!canFocused_ || key != NavKey::Space) return;
    SetDown(false);
    Click();
}

void ButtonModel::FocusLost() {
    StopRepeat();
    if (!Grouped() && down_) SetDown(false);
}

void ButtonModel::OnTimer(int id) {
    if (id != kRepeatTimerId || !repeating_) return;
    if (firstDelay_) {
        firstDelay_ = false;
        timers_.StartTimer(kRepeatTimerId, repeatInterval_);
        return;
    }
    Click();
}

void ButtonModel::StartRepeat() {
    repeating_ = true;
    firstDelay_ = true;
    timers_.StartTimer(kRepeatTimerId, kRepeatDelayMs);
}

void ButtonModel::StopRepeat() {
    if (!repeating_) return;
    repeating_ = false;
    timers_.StopTimer(kRepeatTimerId);
}

void ButtonModel::Invalidate() {
    if (OnInvalidate) OnInvalidate(*this);
}

} // namespace dsp
