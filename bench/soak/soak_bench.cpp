// The long run: 100,000 control changes through the headless window against
// the unit simulator. Every frame must arrive once and in order, and resident
// memory must stay flat (growth under 1 MB after a warm-up of 5,000 changes).
// The baseline is the simulator decoding the same number of frames written
// straight to the line; the ratio is the window's cost per change.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "bench/drawing/bench_ratio.h"
#include "main/protocol/frame.h"
#include "platform/serialdev/fd_wait.h"
#include "tests/main/soak_session.h"

namespace {

using namespace dsp;

constexpr long kChanges = 100000;
constexpr long kWarmUp = 5000;

void BM_FramesStraightToSimulator(benchmark::State& state) {
    for (auto _ : state) {
        PtyPair pty;
        pty.Create();
        StopSignal stop;
        test::FrameChecker checker;
        std::ostream out(&checker);
        UnitSimulator simulator(out);
        std::thread thread([&] { simulator.Run(pty.MasterFd(), {}, &stop, nullptr); });
        TermiosSerialDevice device;
        if (device.Open(pty.SlavePath()) != 0) return state.SkipWithError("cannot open the pty");
        for (long i = 0; i < kChanges; ++i) {
            const int value = int(i % 64);
            checker.Expect(value);
            const Frame frame = BuildFrame(0x10, value);
            WriteAll(device.NativeHandle(), frame.data(), frame.size());
        }
        while (checker.Seen() < kChanges) std::this_thread::yield();
        stop.Signal();
        thread.join();
        state.counters["frames"] = double(checker.Seen());
    }
}
BENCHMARK(BM_FramesStraightToSimulator)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_SoakThroughWindow(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        test::SoakSession session("/tmp/dsp-panel-soak.reg");
        if (!session.Prepare()) return state.SkipWithError("cannot connect the window");
        if (!session.Run(kWarmUp)) return state.SkipWithError(session.Failure().c_str());
        const long before = test::ResidentKilobytes();
        state.ResumeTiming();
        if (!session.Run(kChanges)) return state.SkipWithError(session.Failure().c_str());
        state.PauseTiming();
        const long growth = test::ResidentKilobytes() - before;
        state.counters["changes"] = double(session.Changes() - kWarmUp);
        state.counters["frames_seen"] = double(session.Checker().Seen());
        state.counters["frames_wrong"] = double(session.Checker().Wrong());
        state.counters["rss_growth_kB"] = double(growth);
        std::printf(
            "soak: %ld changes after warm-up, %ld frames seen of %ld expected, %ld lost, doubled or "
            "out of order%s%s; resident memory grew %ld kB (limit 1024)\n",
            session.Changes() - kWarmUp, session.Checker().Seen(), session.Changes(),
            session.Checker().Wrong(), session.Checker().Wrong() ? ", first: " : "",
            session.Checker().FirstWrong().c_str(), growth);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SoakThroughWindow)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return RunAndReport(argc, argv, [](const RecordingReporter& reporter) {
        const double base = reporter.Time("BM_FramesStraightToSimulator/iterations:1");
        const double soak = reporter.Time("BM_SoakThroughWindow/iterations:1");
        if (base > 0 && soak > 0)
            std::printf(
                "ratio window / straight = %.2f for %ld changes (%.1f us per change through the window)\n",
                soak / base, kChanges, soak / double(kChanges) * 1e6);
    });
}
