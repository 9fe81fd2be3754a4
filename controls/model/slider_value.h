#pragma once
// The slider's value model: bounds that must stay an ordered pair, a step
// (`Increment`) for keys and ruler presses, and the setter every change goes
// through. Values set from code are never snapped to the step.

#include <functional>
#include <optional>

#include "controls/model/nav_key.h"

namespace dsp {

enum class SliderStep { ToMinimum, ToMaximum, Up, Down };

class SliderValue {
public:
    using Event = std::function<void(SliderValue& sender)>;

    int MinValue() const { return minValue_; }
    int MaxValue() const { return maxValue_; }
    int Value() const { return value_; }
    int Increment() const { return increment_; }
    bool Reading() const { return reading_; }
    bool ShowPoints() const { return showPoints_; }

    // Clamps, stores, moves the thumb (OnInvalidate) and fires OnChange when
    // the value differs from the old one.
    void SetValue(int value);
    // A bound is taken only while the pair stays min < max, except while the
    // stored layout is being read; a refused pair is ignored silently.
    void SetMinValue(int value);
    void SetMaxValue(int value);
    // Ignored unless > 0 and different.
    void SetIncrement(int value);
    void SetReading(bool reading) { reading_ = reading; }
    // Whether tick marks are shown (soShowPoints): a bound change repaints them.
    void SetShowPoints(bool show) { showPoints_ = show; }

    // Stored directly by a thumb drag: OnChange when it differs, no OnInvalidate.
    void StoreFromDrag(int value);
    // Steps to a multiple of Increment (15 with step 10 goes up to 30 and
    // down to 10), or to a bound.
    void Step(SliderStep kind);
    int StepTarget(SliderStep kind) const;

    Event OnInvalidate; // repaint: the thumb moved, or the ticks changed
    Event OnChange;

private:
    void SetBounds(int minValue, int maxValue);
    void Invalidate();

    int minValue_ = 0;
    int maxValue_ = 100;
    int value_ = 0;
    int increment_ = 10;
    bool reading_ = false;
    bool showPoints_ = true;
};

// Which step a key asks for; none for unrecognised keys or with a modifier.
std::optional<SliderStep> SliderKeyStep(NavKey key, bool vertical, bool modifierHeld);

} // namespace dsp
