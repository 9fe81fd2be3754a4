// Dragging a vertical 20 x 112 track bar across its 63 values in a 700 x 500
// window: each step sets the value and repaints what became dirty. Reports
// the pixels touched per step and the time per step against a full repaint of
// the window (the cost if every step redrew everything).

#include <benchmark/benchmark.h>

#include <cstdio>

#include "bench/controls/fader_steps.h"
#include "bench/drawing/bench_ratio.h"
#include "controls/button.h"
#include "controls/track_bar.h"
#include "platform/framework/form.h"

namespace dsp {
namespace {

// Plain vertical faders, with a row of buttons below the panel.
struct Window : FaderWindow {
    Window() {
        for (TbsSkinTrackBar* t : faders) t->SetVertical(true);
        for (int i = 0; i < 8; ++i) {
            auto* b = new TbsSkinButton(form);
            b->SetParent(form);
            b->SetBounds(10 + i * 85, 320, 82, 25);
            b->SetCaption("AUTO");
        }
        Show();
    }
};

void BM_TrackBarDragStep(benchmark::State& state) {
    Window w;
    MeasureDragSteps(state, *w.form, *w.bar);
}
BENCHMARK(BM_TrackBarDragStep);

// The control's own share: the value set and its off-screen picture, without
// the window's composition and the host's present.
void BM_TrackBarOwnPaint(benchmark::State& state) {
    Window w;
    MeasureOwnPaint(state, *w.bar);
}
BENCHMARK(BM_TrackBarOwnPaint);

void BM_FullWindowRepaint(benchmark::State& state) {
    Window w;
    double pixels = 0;
    for (auto _ : state) {
        w.form->Invalidate();
        Rect dirty = w.form->DirtyRect();
        pixels += double(dirty.Width()) * dirty.Height();
        w.form->PaintDirty();
    }
    state.counters["pixels_per_step"] = pixels / double(state.iterations());
}
BENCHMARK(BM_FullWindowRepaint);

}  // namespace
}  // namespace dsp

int main(int argc, char** argv) {
    return dsp::RunAndReport(argc, argv, [](const dsp::RecordingReporter& reporter) {
        const double step = reporter.Time("BM_TrackBarDragStep"),
                     full = reporter.Time("BM_FullWindowRepaint");
        const double px = reporter.Counter("BM_TrackBarDragStep", "pixels_per_step");
        const double fullPx = reporter.Counter("BM_FullWindowRepaint", "pixels_per_step");
        if (step > 0 && full > 0) {
            std::printf("track bar step: %.2f us, %.0f pixels touched; full window: %.2f us, %.0f pixels\n",
                        step * 1e6, px, full * 1e6, fullPx);
            std::printf("ratio step/full-repaint: %.3f (time), %.4f (pixels)\n", step / full, px / fullPx);
            std::printf("of which the track bar's own value set and picture: %.2f us\n",
                        reporter.Time("BM_TrackBarOwnPaint") * 1e6);
        }
    });
}
