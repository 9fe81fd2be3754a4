#include "controls/model/slider_value.h"

#include <algorithm>

#include "controls/model/rounding.h"

namespace dsp {

void SliderValue::SetValue(int value) {
    if (value > maxValue_) {
        value = maxValue_;
    } else if (value < minValue_) {
        value = minValue_;
    }
    int old = value_;
    value_ = value;
    Invalidate();
    if (value_ != old && OnChange) OnChange(*this);
}

void SliderValue::SetMinValue(int value) {
    if (value != minValue_) SetBounds(value, maxValue_);
}

void SliderValue::SetMaxValue(int value) {
    if (value != maxValue_) SetBounds(minValue_, value);
}

void SliderValue::SetBounds(int minValue, int maxValue) {
    if (minValue >= maxValue && !reading_) return;
    minValue_ = minValue;
    maxValue_ = maxValue;
    // A step longer than the whole range would jump straight past it.
    if (!reading_ && static_cast<long long>(maxValue_) < static_cast<long long>(minValue_) + increment_) {
        increment_ = maxValue_ - minValue_;
    }
    if (showPoints_) Invalidate();
    SetValue(value_);
}

void SliderValue::SetIncrement(int value) {
    if (value <= 0 || value == increment_) return;
    increment_ = value;
    SetValue(value_);
    Invalidate();
}

void SliderValue::StoreFromDrag(int value) {
    int old = value_;
    value_ = value;
    if (value_ != old && OnChange) OnChange(*this);
}

int SliderValue::StepTarget(SliderStep kind) const {
    long long v = 0;
    long long inc = increment_ > 0 ? increment_ : 1;
    long long snapped = inc * static_cast<long long>(RoundHalfEvenReal(static_cast<double>(value_) / inc));
    switch (kind) {
        case SliderStep::ToMinimum: v = minValue_; break;
        case SliderStep::ToMaximum: v = maxValue_; break;
        case SliderStep::Up: v = snapped + inc; break;
        case SliderStep::Down: v = snapped - inc; break;
    }
    if (v >= maxValue_) return maxValue_;
    return static_cast<int>(std::max<long long>(v, minValue_));
}

void SliderValue::Step(SliderStep kind) {
    int target = StepTarget(kind);
    if (target != value_) SetValue(target);
}

void SliderValue::Invalidate() {
    if (OnInvalidate) OnInvalidate(*this);
}

std::optional<SliderStep> SliderKeyStep(NavKey key, bool vertical, bool modifierHeld) {
    if (modifierHeld) return std::nullopt;
    switch (key) {
        case NavKey::Home: return SliderStep::ToMinimum;
        case NavKey::End: return SliderStep::ToMaximum;
        case NavKey::Left:
            if (!vertical) return SliderStep::Down;
            break;
        case NavKey::Right:
            if (!vertical) return SliderStep::Up;
            break;
        case NavKey::Up:
            if (vertical) return SliderStep::Up;
            break;
        case NavKey::Down:
            if (vertical) return SliderStep::Down;
            break;
        default: break;
    }
    return std::nullopt;
}

} // namespace dsp
