#pragma once
// TbsSkinScrollBar: arrows, track and thumb over ScrollBarModel. The drop-down
// list shows one when its items do not all fit.

#include <optional>

#include "controls/look/scroll_bar_look.h"
#include "controls/model/scroll_bar_geometry.h"
#include "controls/model/scroll_bar_model.h"
#include "controls/skin_custom_control.h"
#include "controls/timer_port.h"

namespace dsp {

class TbsSkinScrollBar : public TbsSkinCustomControl {
  public:
    explicit TbsSkinScrollBar(TComponent* owner);

    ScrollBarModel& Model() { return model_; }
    const ScrollBarModel& Model() const { return model_; }
    int Position() const { return model_.Position(); }
    void SetPosition(int p) { model_.SetPosition(p); }
    ScrollBarKind Kind() const { return model_.Kind(); }
    void SetKind(ScrollBarKind kind);
    bool CanFocused() const { return canFocused_; }
    void SetCanFocused(bool can) { canFocused_ = can; }
    // The parts for the current size and values: from the scroll bar
    // section when there is one, else the default geometry.
    ScrollBarParts Parts() const;

    void ReadSkinData() override;

    TNotifyEvent OnChange;

  protected:
    void PaintDefaultLook(LookContext& look) override;
    // The body, the arrows and the thumb from a scroll bar section; a
    // section of another kind draws the default look.
    void PaintSkinLook(LookContext& look) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseLeave() override;
    bool DoMouseWheel(TShiftState shift, int wheelDelta, Point mousePos) override;
    void TimerFired(uint32_t id) override { model_.OnTimer(static_cast<int>(id)); }

  private:
    enum Part { kNone = -1, kArrow1 = 0, kArrow2 = 1, kThumb = 2 };
    Part PartAt(Point p) const;
    void SetHover(Part part);
    PartState StateOf(Part part) const;
    ScrollBarVisual Visual() const;

    ControlTimerPort timers_{*this};
    ScrollBarModel model_{timers_};
    std::optional<ScrollBarSkinGeometry> skinGeometry_;  // with a scroll bar section
    bool canFocused_ = false;
    Part hover_ = kNone;
    Part pressed_ = kNone;
    bool dragging_ = false;
    int dragOffset_ = 0;
    Point last_;
};

}  // namespace dsp
