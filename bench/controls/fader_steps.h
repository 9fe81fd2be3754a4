#pragma once
// The two fader measurements the track-bar benchmarks share: a drag step
// through the window (the value set, then what became dirty repainted) and
// the bar's own off-screen picture alone. The value sweeps 0..63 and back, as
// a drag up and down the fader does.

#include <benchmark/benchmark.h>

#include "controls/track_bar.h"
#include "platform/framework/form.h"

namespace dsp {

class FaderSweep {
  public:
    int Next() {
        value_ += direction_;
        if (value_ == 63 || value_ == 0) direction_ = -direction_;
        return value_;
    }

  private:
    int value_ = 0;
    int direction_ = 1;
};

// Reports the pixels repainted per step as a counter.
inline void MeasureDragSteps(benchmark::State& state, TForm& form, TbsSkinTrackBar& bar) {
    FaderSweep sweep;
    double pixels = 0;
    for (auto _ : state) {
        bar.SetValue(sweep.Next());
        const Rect dirty = form.DirtyRect();
        pixels += double(dirty.Width()) * dirty.Height();
        form.PaintDirty();
    }
    state.counters["pixels_per_step"] = pixels / double(state.iterations());
}

inline void MeasureOwnPaint(benchmark::State& state, TbsSkinTrackBar& bar) {
    FaderSweep sweep;
    for (auto _ : state) {
        bar.SetValue(sweep.Next());
        Bitmap picture = bar.PaintToBitmap();
        benchmark::DoNotOptimize(picture.Data());
    }
}

}  // namespace dsp
