// Dragging a vertical 20 x 112 track bar across its 63 values in a 700 x 500
// window: each step sets the value and repaints what became dirty. Reports
// the pixels touched per step and the time per step against a full repaint of
// the window (the cost if every step redrew everything).

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

#include "bench/controls/fader_steps.h"
#include "bench/drawing/bench_ratio.h"
#include "controls/button.h"
#include "controls/panel.h"
#include "controls/track_bar.h"
#include "platform/framework/application.h"
#include "platform/framework/form.h"
#include "platform/framework/headless_host.h"

namespace dsp {
namespace {

struct Window {
    Window() {
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
            t->SetVertical(true);
            t->SetBounds(34 + i * 56, 47, 20, 112);
            t->SetMaxValue(63);
            t->SetValue(50);
            if (i == 0) bar = t;
        }
        for (int i = 0; i < 8; ++i) {
            auto* b = new TbsSkinButton(form);
            b->SetParent(form);
            b->SetBounds(10 + i * 85, 320, 82, 25);
            b->SetCaption("AUTO");
        }
        form->Show();
        app->ProcessMessages();
    }
    std::unique_ptr<TApplication> app;
    TForm* form = nullptr;
    TbsSkinTrackBar* bar = nullptr;
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
    benchmark::Initialize(&argc, argv);
    dsp::RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double step = reporter.Time("BM_TrackBarDragStep"), full = reporter.Time("BM_FullWindowRepaint");
    const double px = reporter.Counter("BM_TrackBarDragStep", "pixels_per_step");
    const double fullPx = reporter.Counter("BM_FullWindowRepaint", "pixels_per_step");
    if (step > 0 && full > 0) {
        std::printf("track bar step: %.2f us, %.0f pixels touched; full window: %.2f us, %.0f pixels\n",
                    step * 1e6, px, full * 1e6, fullPx);
        std::printf("ratio step/full-repaint: %.3f (time), %.4f (pixels)\n", step / full, px / fullPx);
        std::printf("of which the track bar's own value set and picture: %.2f us\n",
                    reporter.Time("BM_TrackBarOwnPaint") * 1e6);
    }
    benchmark::Shutdown();
    return 0;
}
