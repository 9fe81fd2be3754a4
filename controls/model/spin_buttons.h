#pragma once
// The spin edit's two buttons: hover and press flags, and the repeat while one
// is held. The first tick at 500 ms only switches to a 100 ms timer, so the
// first step comes at 600 ms; leaving the button stops the repeat, coming back
// restarts it at 50 ms; the release steps once more when it is over the
// button, so a plain click steps exactly once.

#include <array>
#include <functional>

#include "controls/model/control_timers.h"
#include "platform/graphics/geometry.h"

namespace dsp {

struct SpinEditLayout {
    std::array<Rect, 2> buttons;  // 0 up, 1 down
    Rect box;                     // the inner edit box
};

class SpinButtons {
  public:
    static constexpr int kTimerId = 1;
    static constexpr int kFirstDelayMs = 500;
    static constexpr int kRepeatMs = 100;
    static constexpr int kReturnMs = 50;

    explicit SpinButtons(ControlTimers& timers) : timers_(timers) {}

    // Without skin: buttons at the right end, the box filling the rest at the
    // height of its font, centred vertically.
    static SpinEditLayout DefaultLayout(int width, int height, int textHeight);
    // Skinned with UseSkinSize: the section's buttons and client rectangle
    // moved (and widened) by the control's extra width over the section's.
    static SpinEditLayout SkinLayout(Rect upButton, Rect downButton, Rect clientRect, int sectionWidth,
                                     int width, int textHeight);

    void SetButtons(const std::array<Rect, 2>& rects) { rects_ = rects; }
    bool Hover(int button) const { return hover_[static_cast<std::size_t>(button)]; }
    bool Pressed(int button) const { return pressed_[static_cast<std::size_t>(button)]; }
    bool Repeating() const { return direction_ != 0; }

    void MouseMove(Point p);
    void MouseLeave();
    void Press(Point p);
    void Release(Point p);
    void OnTimer(int id);

    std::function<void(int direction)> Step;  // +1 up, -1 down
    std::function<void()> Repaint;

  private:
    int ButtonAt(Point p) const;
    void SetHover(int button, bool hover);
    void RepaintNow();

    ControlTimers& timers_;
    std::array<Rect, 2> rects_{};
    std::array<bool, 2> hover_{};
    std::array<bool, 2> pressed_{};
    int direction_ = 0;
    int held_ = -1;
    bool firstDelay_ = false;
    bool timerRunning_ = false;
};

}  // namespace dsp
