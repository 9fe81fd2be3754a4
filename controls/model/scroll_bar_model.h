#pragma once
// The scroll bar's value model and its press behaviour. Position stays in
// [Min, Max - PageSize + 1] with a page size, else in [Min, Max]. Arrow
// presses step by SmallChange at once, then after 500 ms every 50 ms while
// held; track presses page by LargeChange toward the pointer while it stays
// beyond the thumb.

#include <cstdint>
#include <functional>

#include "controls/model/control_timers.h"

namespace dsp {

enum class ScrollBarKind { sbHorizontal, sbVertical };

class ScrollBarModel {
public:
    using Event = std::function<void(ScrollBarModel& sender)>;
    static constexpr int kTimerId = 1;
    static constexpr int kFirstDelayMs = 500;
    static constexpr int kRepeatMs = 50;

    explicit ScrollBarModel(ControlTimers& timers) : timers_(timers) {}

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    int SmallChange() const { return smallChange_; }
    int LargeChange() const { return largeChange_; }
    int PageSize() const { return pageSize_; }
    ScrollBarKind Kind() const { return kind_; }

    void SetPosition(int position);
    void SetMin(int value);
    void SetMax(int value);
    // Taken only when Max - Min + 1 >= PageSize + Position.
    void SetPageSize(int value);
    void SetSmallChange(int value) { smallChange_ = value; }
    void SetLargeChange(int value) { largeChange_ = value; }
    void SetKind(ScrollBarKind kind) { kind_ = kind; }
    // Everything at once, without OnChange: how a list keeps its bar in step.
    void SetParams(int min, int max, int pageSize, int position);

    // Range of positions a thumb drag maps onto; Position = Min + round(range x f).
    int DragRange() const;
    void DragTo(double fraction);

    // Arrow presses: -1 toward Min, +1 toward Max.
    void PressArrow(int direction);
    // A track press beside the thumb; `beyondThumb` says, at each repeat,
    // whether the pointer is still beyond the thumb in that direction.
    void PressTrack(int direction, std::function<bool()> beyondThumb);
    void Release();
    void OnTimer(int id);
    // A forward turn subtracts SmallChange, any other adds it.
    void Wheel(std::int32_t wheelParam);

    Event OnChange;
    Event OnInvalidate;

private:
    int Clamp(int position) const;
    void StepOnce();
    void Invalidate();

    ControlTimers& timers_;
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int smallChange_ = 1;
    int largeChange_ = 1;
    int pageSize_ = 0;
    ScrollBarKind kind_ = ScrollBarKind::sbHorizontal;
    int repeatDirection_ = 0;
    bool paging_ = false;
    bool firstDelay_ = false;
    std::function<bool()> beyondThumb_;
};

} // namespace dsp
