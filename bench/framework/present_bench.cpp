// Presenting a full 700 x 500 frame through the SDL host on a private Xvfb
// server, against a plain memcpy of the same frame; and what the message loop
// costs while a shown window sits idle for 2 seconds.

#include <benchmark/benchmark.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "bench/drawing/bench_ratio.h"
#include "platform/framework/application.h"
#include "platform/framework/form.h"
#include "platform/hosts/sdl/sdl_host.h"
#include "tests/support/xvfb_server.h"

namespace dsp {
namespace {

constexpr int kWidth = 700;
constexpr int kHeight = 500;

std::unique_ptr<TApplication> gApp;
TForm* gForm = nullptr;

double CpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}
double WallSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

void BM_PresentFrame(benchmark::State& state) {
    Bitmap frame(kWidth, kHeight, clSilver);
    for (int y = 0; y < kHeight; y += 2) frame.SetPixel(y % kWidth, y, clRed);  // not one flat colour
    const Region all(Rect{0, 0, kWidth, kHeight});
    for (auto _ : state) gForm->Host()->Present(frame, all);
    state.SetBytesProcessed(state.iterations() * kWidth * kHeight * 4);
}
BENCHMARK(BM_PresentFrame)->Unit(benchmark::kMicrosecond);

void BM_MemcpyFrame(benchmark::State& state) {
    MeasureMemcpy(state, std::size_t(kWidth) * kHeight * sizeof(Pixel));
}
BENCHMARK(BM_MemcpyFrame)->Unit(benchmark::kMicrosecond);

// A control whose timer ends the loop after the idle period.
class Stopper : public TControl {
  public:
    using TControl::TControl;

  protected:
    void TimerFired(uint32_t) override { Application->Terminate(); }
};

void BM_IdleLoopWithWindow(benchmark::State& state) {
    auto* stopper = new Stopper(gForm);
    stopper->SetParent(gForm);
    for (auto _ : state) {
        double cpu0 = CpuSeconds(), wall0 = WallSeconds();
        stopper->SetTimer(1, 2000);
        gApp->Run();
        stopper->KillTimer(1);
        double cpu = CpuSeconds() - cpu0, wall = WallSeconds() - wall0;
        state.counters["cpu_ms"] = cpu * 1000;
        state.counters["cpu_percent"] = 100 * cpu / wall;
    }
    delete stopper;
}
BENCHMARK(BM_IdleLoopWithWindow)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace dsp

int main(int argc, char** argv) {
    dsp::test::XvfbServer x;
    if (x.Display().empty()) {
        std::fprintf(stderr, "framework_present_bench: %s\n", x.Error().c_str());
        return 1;
    }
    ::setenv("DISPLAY", x.Display().c_str(), 1);
    ::setenv("SDL_VIDEODRIVER", "x11", 1);
    dsp::gApp = std::make_unique<dsp::TApplication>(std::make_unique<dsp::SdlHost>());
    dsp::gForm = dsp::gApp->CreateForm<dsp::TForm>();
    dsp::gForm->SetBounds(50, 50, dsp::kWidth, dsp::kHeight);
    dsp::gForm->Show();
    dsp::gApp->ProcessMessages();

    const int status = dsp::RunAndReport(argc, argv, [](const dsp::RecordingReporter& reporter) {
        const double present = reporter.Time("BM_PresentFrame"), copy = reporter.Time("BM_MemcpyFrame");
        if (present > 0 && copy > 0) std::printf("ratio present/memcpy: %.1f\n", present / copy);
        const double idle = reporter.Counter("BM_IdleLoopWithWindow/iterations:1", "cpu_percent");
        std::printf("idle loop with a window: %.2f%% of one core over 2 s\n", idle);
    });
    dsp::gApp.reset();
    return status;
}
