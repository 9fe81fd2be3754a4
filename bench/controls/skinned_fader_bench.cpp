// One step of dragging a skinned fader: the "MAIN" fader's 20 x 112 track bar
// on our second skin's `trackbar` section, in a 700 x 500 window. Each step
// sets the next value and repaints what became dirty (the bar's own picture
// and its place in the window); the baseline is a memcpy of the bar's pixels.

#include <benchmark/benchmark.h>

#include <cstdio>

#include "bench/controls/fader_steps.h"
#include "bench/drawing/bench_ratio.h"
#include "controls/track_bar.h"
#include "platform/framework/form.h"
#include "skin/compressed_stored_skin.h"
#include "skin/embedded/embedded_skins.h"
#include "skin/skin_data.h"

namespace dsp {
namespace {

constexpr int kBarWidth = FaderWindow::kBarWidth;
constexpr int kBarHeight = FaderWindow::kBarHeight;

// The faders on our second skin's `trackbar` section.
struct Window : FaderWindow {
    Window() {
        TbsCompressedStoredSkin stored;
        LoadEmbeddedSkin(2, stored);
        skin.LoadFromCompressedStoredSkin(stored);
        for (TbsSkinTrackBar* t : faders) {
            t->SetSkinDataName("trackbar");
            t->SetSkinData(&skin);
        }
        Show();
    }
    TbsSkinData skin;
};

void BM_SkinnedFaderDragStep(benchmark::State& state) {
    Window w;
    if (w.bar->SkinIndex() < 0 || w.bar->Width() != kBarWidth) {
        state.SkipWithError("the fader did not take its skin section");
        return;
    }
    MeasureDragSteps(state, *w.form, *w.bar);
}
BENCHMARK(BM_SkinnedFaderDragStep);

// The bar's own share: the value set and its off-screen picture.
void BM_SkinnedFaderOwnPaint(benchmark::State& state) {
    Window w;
    MeasureOwnPaint(state, *w.bar);
}
BENCHMARK(BM_SkinnedFaderOwnPaint);

// The floor: copying the bar's pixels once (4 bytes each).
void BM_MemcpyFaderPixels(benchmark::State& state) {
    MeasureMemcpy(state, std::size_t(kBarWidth) * kBarHeight * 4);
}
BENCHMARK(BM_MemcpyFaderPixels);

}  // namespace
}  // namespace dsp

int main(int argc, char** argv) {
    return dsp::RunAndReport(argc, argv, [](const dsp::RecordingReporter& reporter) {
        const double step = reporter.Time("BM_SkinnedFaderDragStep");
        const double own = reporter.Time("BM_SkinnedFaderOwnPaint");
        const double copy = reporter.Time("BM_MemcpyFaderPixels");
        if (step > 0 && copy > 0) {
            std::printf("skinned fader step: %.2f us, %.0f pixels touched; its own picture: %.2f us\n",
                        step * 1e6, reporter.Counter("BM_SkinnedFaderDragStep", "pixels_per_step"),
                        own * 1e6);
            std::printf("memcpy of the fader's %d x %d pixels: %.3f us\n", dsp::kBarWidth, dsp::kBarHeight,
                        copy * 1e6);
            std::printf("ratio step/memcpy: %.0f; own picture/memcpy: %.0f\n", step / copy, own / copy);
        }
    });
}
