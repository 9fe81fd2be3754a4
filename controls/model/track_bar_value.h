#pragma once
// The track bar's value model: bounds and value with its one setter, used by
// code and by every gesture alike. A handler may set the value again from
// inside its own OnChange; that nested change runs to its end first.

#include <functional>

namespace dsp {

class TrackBarValue {
public:
    using Event = std::function<void(TrackBarValue& sender)>;

    int MinValue() const { return minValue_; }
    int MaxValue() const { return maxValue_; }
    int Value() const { return value_; }

    // Clamps (above the maximum wins over below the minimum, so an inverted
    // pair yields MaxValue), stores, repaints and fires OnChange, unless the
    // clamped value is the current one.
    void SetValue(int value);
    // Store the bound and pull Value inside it directly, without OnChange.
    void SetMinValue(int value);
    void SetMaxValue(int value);

    Event OnInvalidate; // the control must repaint
    Event OnChange;

private:
    void Invalidate();

    int minValue_ = 0;
    int maxValue_ = 100;
    int value_ = 50;
};

} // namespace dsp
