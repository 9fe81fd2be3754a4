// One 4-byte SendBytes to a pty against a raw write plus poll on the same pty
// (target ratio <= 1.3), and what an open idle port costs in memory and threads.

#include <benchmark/benchmark.h>
#include <poll.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <string>

#include "main/protocol/frame.h"
#include "platform/serialdev/pty_pair.h"
#include "platform/serialdev/termios_device.h"
#include "serial/com_port.h"

namespace {

using namespace dsp;

constexpr int kDrainEvery = 256;  // frames between emptying the master side

void Drain(int master) {
    char buffer[4096];
    while (read(master, buffer, sizeof buffer) > 0) {
    }
}

void BM_RawWritePoll(benchmark::State& state) {
    PtyPair pty;
    pty.Create();
    TermiosSerialDevice device;
    if (device.Open(pty.SlavePath()) != 0) state.SkipWithError("cannot open the pty");
    int fd = device.NativeHandle();
    Frame frame = BuildFrame(0x13, 31);
    int n = 0;
    for (auto _ : state) {
        ssize_t w = write(fd, frame.data(), frame.size());
        pollfd p{fd, POLLOUT, 0};
        poll(&p, 1, 1400);
        benchmark::DoNotOptimize(w);
        if (++n % kDrainEvery == 0) Drain(pty.MasterFd());
    }
}
BENCHMARK(BM_RawWritePoll);

void SendBytesLoop(benchmark::State& state, TComEvents events) {
    PtyPair pty;
    pty.Create();
    TComPort port;
    port.SetPort(pty.SlavePath());
    port.SetEvents(events);
    port.OpenPort();
    Frame frame = BuildFrame(0x13, 31);
    int n = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(port.SendBytes(frame.data(), 4));
        if (++n % kDrainEvery == 0) {
            Drain(pty.MasterFd());
            port.Dispatcher().ProcessPending();  // as the window's loop would
        }
    }
    port.ClosePort();
}

// The panel's own settings: all ten events watched, batches handed over.
void BM_SendBytes(benchmark::State& state) { SendBytesLoop(state, kAllComEvents); }
BENCHMARK(BM_SendBytes);

// No events watched: the write path alone.
void BM_SendBytesNoEvents(benchmark::State& state) { SendBytesLoop(state, {}); }
BENCHMARK(BM_SendBytesNoEvents);

long StatusField(const std::string& key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key + ":", 0) == 0) return std::stol(line.substr(key.size() + 1));
    return -1;
}

void BM_OpenIdlePortCost(benchmark::State& state) {
    PtyPair pty;
    pty.Create();
    for (auto _ : state) {
        long rssBefore = StatusField("VmRSS"), threadsBefore = StatusField("Threads");
        TComPort port;
        port.SetPort(pty.SlavePath());
        port.OpenPort();
        state.counters["rss_delta_kB"] = static_cast<double>(StatusField("VmRSS") - rssBefore);
        state.counters["threads_delta"] = static_cast<double>(StatusField("Threads") - threadsBefore);
        port.ClosePort();
    }
}
BENCHMARK(BM_OpenIdlePortCost)->Iterations(1);

// Prints the usual table, then each SendBytes run against the raw baseline,
// in real and CPU time. With --benchmark_repetitions the medians are compared.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Aggregate && !median) continue;
            Times& t = times_[run.run_name.function_name];
            if (t.fromMedian && !median) continue;
            t = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime(), median};
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void PrintRatios() const {
        auto base = times_.find("BM_RawWritePoll");
        if (base == times_.end() || base->second.real <= 0 || base->second.cpu <= 0) return;
        for (const char* name : {"BM_SendBytes", "BM_SendBytesNoEvents"}) {
            auto it = times_.find(name);
            if (it == times_.end()) continue;
            std::printf("ratio %s / BM_RawWritePoll: real %.2f, cpu %.2f (target <= 1.30)\n", name,
                        it->second.real / base->second.real, it->second.cpu / base->second.cpu);
        }
    }

  private:
    struct Times {
        double real = 0, cpu = 0;
        bool fromMedian = false;
    };
    std::map<std::string, Times> times_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
