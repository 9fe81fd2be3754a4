// One step of dragging a skinned fader: the "MAIN" fader's 20 x 112 track bar
// on our second skin's `trackbar` section, in a 700 x 500 window. Each step
// sets the next value and repaints what became dirty (the bar's own picture
// and its place in the window); the baseline is a memcpy of the bar's pixels.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "bench/controls/fader_steps.h"
#include "bench/drawing/bench_ratio.h"
#include "controls/panel.h"
#include "controls/track_bar.h"
#include "platform/framework/application.h"
#include "platform/framework/form.h"
#include "platform/framework/headless_host.h"
#include "skin/compressed_stored_skin.h"
#include "skin/embedded/embedded_skins.h"
#include "skin/skin_data.h"

namespace dsp {
namespace {

constexpr int kBarWidth = 20;
constexpr int kBarHeight = 112;

struct Window {
    Window() {
        app =
            std::make_unique<TApplication>(std::make_unique<HeadlessHost>(), std::make_unique<FakeClock>(0));
        TbsCompressedStoredSkin stored;
        LoadEmbeddedSkin(2, stored);
        skin.LoadFromCompressedStoredSkin(stored);
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
            t->SetSkinDataName("trackbar");
            t->SetSkinData(&skin);
            if (i == 0) bar = t;
        }
        form->Show();
        app->ProcessMessages();
    }
    TbsSkinData skin;
    std::unique_ptr<TApplication> app;
    TForm* form = nullptr;
    TbsSkinTrackBar* bar = nullptr;
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
    const std::size_t bytes = std::size_t(kBarWidth) * kBarHeight * 4;
    std::vector<unsigned char> from(bytes, 0x5A), to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MemcpyFaderPixels);

}  // namespace
}  // namespace dsp

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    dsp::RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double step = reporter.Time("BM_SkinnedFaderDragStep");
    const double own = reporter.Time("BM_SkinnedFaderOwnPaint");
    const double copy = reporter.Time("BM_MemcpyFaderPixels");
    if (step > 0 && copy > 0) {
        std::printf("skinned fader step: %.2f us, %.0f pixels touched; its own picture: %.2f us\n",
                    step * 1e6, reporter.Counter("BM_SkinnedFaderDragStep", "pixels_per_step"), own * 1e6);
        std::printf("memcpy of the fader's %d x %d pixels: %.3f us\n", dsp::kBarWidth, dsp::kBarHeight,
                    copy * 1e6);
        std::printf("ratio step/memcpy: %.0f; own picture/memcpy: %.0f\n", step / copy, own / copy);
    }
    benchmark::Shutdown();
    return 0;
}
