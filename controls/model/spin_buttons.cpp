#include "controls/model/spin_buttons.h"

namespace dsp {

SpinEditLayout SpinButtons::DefaultLayout(int width, int height, int textHeight) {
    SpinEditLayout l;
    l.buttons[0] = {width - 17, 2, width - 2, height / 2};
    l.buttons[1] = {width - 17, height / 2, width - 2, height - 2};
    l.box = Rect::FromOriginSize(2, (height - textHeight) / 2, width - 19, textHeight);
    return l;
}

SpinEditLayout SpinButtons::SkinLayout(Rect upButton, Rect downButton, Rect clientRect, int sectionWidth,
                                       int width, int textHeight) {
    int extra = width - sectionWidth;
    SpinEditLayout l;
    l.buttons[0] = upButton.Offset(extra, 0);
    l.buttons[1] = downButton.Offset(extra, 0);
    Rect client{clientRect.left, clientRect.top, clientRect.right + extra, clientRect.bottom};
    l.box = Rect::FromOriginSize(client.left, client.top + (client.Height() - textHeight) / 2, client.Width(),
                                 textHeight);
    return l;
}

int SpinButtons::ButtonAt(Point p) const {
    for (int i = 0; i < 2; ++i) {
        if (rects_[static_cast<std::size_t>(i)].Contains(p)) return i;
    }
    return -1;
}

void SpinButtons::SetHover(int button, bool hover) {
    auto& flag = hover_[static_cast<std::size_t>(button)];
    if (flag == hover) return;
    flag = hover;
    RepaintNow();
}

void SpinButtons::MouseMove(Point p) {
    int over = ButtonAt(p);
    if (held_ >= 0) {
        bool on = over == held_;
        if (on == hover_[static_cast<std::size_t>(held_)]) return;
        SetHover(held_, on);
        if (on) {
            firstDelay_ = false;
            timers_.StartTimer(kTimerId, kReturnMs);
            timerRunning_ = true;
        } else {
            timers_.StopTimer(kTimerId);
            timerRunning_ = false;
        }
        return;
    }
    for (int i = 0; i < 2; ++i) SetHover(i, over == i);
}

void SpinButtons::MouseLeave() {
    if (held_ >= 0) return;
    for (int i = 0; i < 2; ++i) SetHover(i, false);
}

void SpinButtons::Press(Point p) {
    int b = ButtonAt(p);
    if (b < 0) return;
    held_ = b;
    hover_[static_cast<std::size_t>(b)] = true;
    pressed_[static_cast<std::size_t>(b)] = true;
    RepaintNow();
    direction_ = b == 0 ? +1 : -1;
    firstDelay_ = true;
    timers_.StartTimer(kTimerId, kFirstDelayMs);
    timerRunning_ = true;
}

void SpinButtons::Release(Point p) {
    if (held_ < 0) return;
    int b = held_;
    int direction = direction_;
    if (timerRunning_) timers_.StopTimer(kTimerId);
    timerRunning_ = false;
    direction_ = 0;
    held_ = -1;
    pressed_[static_cast<std::size_t>(b)] = false;
    bool on = ButtonAt(p) == b;
    if (!on) hover_[static_cast<std::size_t>(b)] = false;
    RepaintNow();
    if (on && Step) Step(direction);
}

void SpinButtons::OnTimer(int id) {
    if (id != kTimerId || direction_ == 0) return;
    if (firstDelay_) {
        firstDelay_ = false;
        timers_.StartTimer(kTimerId, kRepeatMs);
        return;
    }
    if (Step) Step(direction_);
}

void SpinButtons::RepaintNow() {
    if (Repaint) Repaint();
}

}  // namespace dsp
