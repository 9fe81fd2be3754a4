// Skinned painting in the real window: one hover morph of the "VCR" selector
// (each 20 ms step: the timer tick and the window's picture brought up to
// date, which blends the button's normal and active bodies) against a memcpy
// of the button's pixels, and a full repaint of the skinned window against a
// memcpy of the window's pixels. Run with --benchmark_repetitions: the ratios
// use the medians.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "bench/drawing/bench_ratio.h"
#include "main/panel/form1.h"
#include "platform/framework/application.h"
#include "platform/framework/fake_time.h"
#include "platform/framework/headless_host.h"
#include "platform/serialdev/pty_pair.h"
#include "platform/serialdev/termios_device.h"

namespace {

using namespace dsp;

// The window on a headless application, connected (so the selectors are
// enabled) to a pty as COM1.
struct Panel {
    PtyPair pty;
    HeadlessHost* host = nullptr;
    FakeClock* clock = nullptr;
    std::unique_ptr<TApplication> app;
    TForm1* form = nullptr;

    Panel() {
        pty.Create();
        auto h = std::make_unique<HeadlessHost>();
        auto c = std::make_unique<FakeClock>(0);
        host = h.get();
        clock = c.get();
        host->SetEcho(false);
        app = std::make_unique<TApplication>(std::move(h), std::move(c));
        TForm1::Options options;
        const std::string slave = pty.SlavePath();
        options.registryFile = "/tmp/dsp-panel-skin-bench.reg";
        options.deviceFactory = [slave](const std::string&) {
            PortMap map;
            map.Set("COM1", slave);
            return std::unique_ptr<SerialDevice>(std::make_unique<TermiosSerialDevice>(map));
        };
        form = new TForm1(app.get(), options);
        form->Show();
        app->ProcessMessages();
        form->bsSkinButton1Click(form);
    }
};

TbsSkinButton* Selector(Panel& p) {
    return dynamic_cast<TbsSkinButton*>(p.form->FindComponent("bsSkinButton6"));
}

void BM_HoverMorphStep(benchmark::State& state) {
    Panel p;
    TbsSkinButton* button = Selector(p);
    if (!button || !button->Enabled()) state.SkipWithError("the selector is not enabled");
    int step = 0;
    bool over = false;
    double blends = 0;
    for (auto _ : state) {
        if (step++ % 5 == 0) {  // enter, then leave, then enter again: five steps each way
            over = !over;
            p.host->MouseMove(over ? button->ClientToScreen({10, 10}) : Point{1000, 1000});
            p.app->ProcessMessages();
        }
        AdvanceTime(*p.app, *p.clock, 20);  // the tick, then the window's dirty part is painted
        if (button->Morph().Blending()) ++blends;
        benchmark::DoNotOptimize(p.form->Frame().Data());
    }
    state.counters["blend_share"] = blends / double(state.iterations());
}
BENCHMARK(BM_HoverMorphStep);

void BM_ButtonMemcpy(benchmark::State& state) {
    Panel p;
    TbsSkinButton* button = Selector(p);
    const std::size_t bytes = std::size_t(button->Width()) * std::size_t(button->Height()) * 4;
    std::vector<std::uint8_t> from(bytes, 7), to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ButtonMemcpy);

void BM_WindowRepaint(benchmark::State& state) {
    Panel p;
    for (auto _ : state) {
        p.form->Invalidate();
        p.form->PaintDirty();
    }
}
BENCHMARK(BM_WindowRepaint);

void BM_WindowMemcpy(benchmark::State& state) {
    Panel p;
    const std::size_t bytes = std::size_t(p.form->Width()) * std::size_t(p.form->Height()) * 4;
    std::vector<std::uint8_t> from(bytes, 7), to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_WindowMemcpy);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    dsp::RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    // Each ratio by wall time and by processor time, side by side.
    const auto print = [&](const char* what, const char* base, const std::string& a, const std::string& b) {
        const double t = reporter.Time(a), u = reporter.Time(b);
        const double ct = reporter.CpuTime(a), cu = reporter.CpuTime(b);
        if (t <= 0 || u <= 0 || ct <= 0 || cu <= 0) return;
        std::printf("%s: %.2f us; %s: %.3f us; ratio %.1f (processor time %.2f / %.3f us: %.1f)\n", what,
                    t * 1e6, base, u * 1e6, t / u, ct * 1e6, cu * 1e6, ct / cu);
    };
    print("hover morph step", "memcpy of the button", "BM_HoverMorphStep", "BM_ButtonMemcpy");
    print("skinned window repaint", "memcpy of the window", "BM_WindowRepaint", "BM_WindowMemcpy");
    benchmark::Shutdown();
    return 0;
}
