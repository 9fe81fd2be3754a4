#pragma once
// What the track-bar benchmarks share: the window they drag in, and the two
// measurements: a drag step through the window (the value set, then what
// became dirty repainted) and the bar's own off-screen picture alone. The
// value sweeps 0..63 and back, as a drag up and down the fader does.

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "controls/panel.h"
#include "controls/track_bar.h"
#include "platform/framework/application.h"
#include "platform/framework/form.h"
#include "platform/framework/headless_host.h"

namespace dsp {

// A headless 700 x 500 window whose panel holds eleven 20 x 112 faders
// (0..63, at 50), laid out as the mixer's. A benchmark finishes the faders
// (orientation, skin) and adds what else it wants, then calls Show.
struct FaderWindow {
    static constexpr int kBarWidth = 20, kBarHeight = 112;

    FaderWindow() {
        app =
            std::make_unique<TApplication>(std::make_unique<HeadlessHost>(), std::make_unique<FakeClock>(0));
        form = app->CreateForm<TForm>();
        form->SetBoundsRect(Rect::FromOriginSize(0, 0, 700, 500));
        auto* panel = new TbsSkinPanel(form);
        panel->SetParent(form);
        panel->SetBounds(4, 4, 690, 300);
        for (int i = 0; i < 11; ++i) {
            auto* t = new TbsSkinTrackBar(form);
            t->SetParent(panel);
            t->SetBounds(34 + i * 56, 47, kBarWidth, kBarHeight);
            t->SetMaxValue(63);
            t->SetValue(50);
            faders.push_back(t);
        }
        bar = faders.front();
    }
    void Show() {
        form->Show();
        app->ProcessMessages();
    }

    std::unique_ptr<TApplication> app;
    TForm* form = nullptr;
    std::vector<TbsSkinTrackBar*> faders;
    TbsSkinTrackBar* bar = nullptr;
};

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
