#include "controls/model/track_bar_value.h"

namespace dsp {

void TrackBarValue::SetValue(int value) {
    if (value > maxValue_) {
        value = maxValue_;
    } else if (value < minValue_) {
        value = minValue_;
    }
    if (value == value_) return;
    value_ = value;
    Invalidate();
    if (OnChange) OnChange(*this);
}

void TrackBarValue::SetMinValue(int value) {
    minValue_ = value;
    if (value_ < minValue_) value_ = minValue_;
    Invalidate();
}

void TrackBarValue::SetMaxValue(int value) {
    maxValue_ = value;
    if (value_ > maxValue_) value_ = maxValue_;
    Invalidate();
}

void TrackBarValue::Invalidate() {
    if (OnInvalidate) OnInvalidate(*this);
}

} // namespace dsp
