#include "controls/model/scroll_bar_model.h"

#include <algorithm>

#include "controls/model/rounding.h"

namespace dsp {

int ScrollBarModel::Clamp(int position) const {
    long long high = pageSize_ != 0 ? static_cast<long long>(max_) - pageSize_ + 1 : max_;
    long long p = position;
    if (p > high) p = high;
    if (p < min_) p = min_;
    return static_cast<int>(p);
}

void ScrollBarModel::SetPosition(int position) {
    position = Clamp(position);
    if (position == position_) return;
    position_ = position;
    Invalidate();
    if (OnChange) OnChange(*this);
}

void ScrollBarModel::SetMin(int value) {
    min_ = value;
    Invalidate();
    SetPosition(position_);
}

void ScrollBarModel::SetMax(int value) {
    max_ = value;
    Invalidate();
    SetPosition(position_);
}

void ScrollBarModel::SetPageSize(int value) {
    if (value < 0) return;
    if (static_cast<long long>(max_) - min_ + 1 < static_cast<long long>(value) + position_) return;
    pageSize_ = value;
    Invalidate();
}

void ScrollBarModel::SetParams(int min, int max, int pageSize, int position) {
    min_ = min;
    max_ = max;
    pageSize_ = std::max(pageSize, 0);
    position_ = Clamp(position);
    Invalidate();
}

int ScrollBarModel::DragRange() const {
    if (pageSize_ != 0) return max_ - min_ - pageSize_ + 1;
    return max_ - min_;
}

void ScrollBarModel::DragTo(double fraction) {
    if (!(fraction >= 0.0)) fraction = 0.0;
    if (fraction > 1.0) fraction = 1.0;
    SetPosition(min_ + RoundHalfEven(DragRange() * fraction));
}

void ScrollBarModel::PressArrow(int direction) {
    repeatDirection_ = direction;
    paging_ = false;
    beyondThumb_ = nullptr;
    StepOnce();
    firstDelay_ = true;
    timers_.StartTimer(kTimerId, kFirstDelayMs);
}

void ScrollBarModel::PressTrack(int direction, std::function<bool()> beyondThumb) {
    repeatDirection_ = direction;
    paging_ = true;
    beyondThumb_ = std::move(beyondThumb);
    StepOnce();
    firstDelay_ = true;
    timers_.StartTimer(kTimerId, kFirstDelayMs);
}

void ScrollBarModel::Release() {
    if (repeatDirection_ == 0) return;
    repeatDirection_ = 0;
    beyondThumb_ = nullptr;
    timers_.StopTimer(kTimerId);
}

void ScrollBarModel::OnTimer(int id) {
    if (id != kTimerId || repeatDirection_ == 0) return;
    if (firstDelay_) {
        firstDelay_ = false;
        timers_.StartTimer(kTimerId, kRepeatMs);
    }
    StepOnce();
}

void ScrollBarModel::StepOnce() {
    if (paging_) {
        if (beyondThumb_ && !beyondThumb_()) return;
        SetPosition(position_ + repeatDirection_ * largeChange_);
    } else {
        SetPosition(position_ + repeatDirection_ * smallChange_);
    }
}

void ScrollBarModel::Wheel(std::int32_t wheelParam) {
    SetPosition(wheelParam > 0 ? position_ - smallChange_ : position_ + smallChange_);
}

void ScrollBarModel::Invalidate() {
    if (OnInvalidate) OnInvalidate(*this);
}

} // namespace dsp
