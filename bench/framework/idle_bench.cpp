// CPU use of the message loop while the program idles for 2 seconds with
// timers pending (headless host, real clock), against a loop that spins on
// ProcessMessages for the same time: the ratio shows how close to zero the
// blocking wait gets.

#include <benchmark/benchmark.h>
#include <time.h>

#include <cstdio>
#include <memory>

#include "bench/drawing/bench_ratio.h"
#include "platform/framework/application.h"
#include "platform/framework/form.h"
#include "platform/framework/headless_host.h"

namespace dsp {
namespace {

constexpr int kIdleMs = 2000;

double CpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

// Ends the loop at the end of the period; a second, slow timer stands for the
// hover and animation timers a real window has running.
class Stopper : public TControl {
  public:
    using TControl::TControl;
    int ticks = 0;

  protected:
    void TimerFired(uint32_t id) override {
        if (id == 1) Application->Terminate();
        ++ticks;
    }
};

template <class Loop>
void Idle(benchmark::State& state, Loop loop) {
    for (auto _ : state) {
        auto host = std::make_unique<HeadlessHost>();
        host->SetEcho(false);
        TApplication app(std::move(host));
        TForm* form = app.CreateForm<TForm>();
        form->SetBounds(0, 0, 200, 100);
        form->Show();
        auto* stopper = new Stopper(form);
        stopper->SetParent(form);
        stopper->SetTimer(1, kIdleMs);
        stopper->SetTimer(2, 250);
        double cpu0 = CpuSeconds();
        loop(app);
        state.counters["cpu_ms"] = (CpuSeconds() - cpu0) * 1000;
    }
}

void BM_IdleLoop(benchmark::State& state) {
    Idle(state, [](TApplication& app) { app.Run(); });
}
BENCHMARK(BM_IdleLoop)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_SpinningLoop(benchmark::State& state) {
    Idle(state, [](TApplication& app) {
        while (!app.Terminated()) app.ProcessMessages();
    });
}
BENCHMARK(BM_SpinningLoop)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace dsp

int main(int argc, char** argv) {
    return dsp::RunAndReport(argc, argv, [](const dsp::RecordingReporter& reporter) {
        const double idle = reporter.Counter("BM_IdleLoop/iterations:1", "cpu_ms");
        const double spin = reporter.Counter("BM_SpinningLoop/iterations:1", "cpu_ms");
        std::printf("idle loop: %.2f ms CPU in %d ms (%.3f%% of one core)\n", idle, dsp::kIdleMs,
                    100.0 * idle / dsp::kIdleMs);
        if (spin > 0) std::printf("ratio idle/spinning CPU: %.5f\n", idle / spin);
    });
}
