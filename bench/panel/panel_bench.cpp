// The window's costs: a control event until its frame is readable at the pty
// master against a raw write of the same 4 bytes, timed in pairs (target
// ratio <= 1.3);
// start-up of `dsp-panel --headless` with an immediate quit against a bare
// `dsp-panel --version`; resident memory once the window is up.

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "main/panel/form1.h"
#include "main/protocol/frame.h"
#include "platform/framework/application.h"
#include "platform/framework/fake_time.h"
#include "platform/framework/headless_host.h"
#include "platform/serialdev/fd_wait.h"
#include "platform/serialdev/pty_pair.h"
#include "platform/serialdev/stop_signal.h"
#include "platform/serialdev/termios_device.h"

namespace {

using namespace dsp;

// The far end of the line: reads the pty master on a thread of its own, as a
// program there would, and counts what arrived. The writer waits for the
// count, so an iteration ends when its bytes were readable at the peer.
class PeerReader {
  public:
    explicit PeerReader(int fd) : fd_(fd), thread_([this] { Loop(); }) {}
    ~PeerReader() {
        stop_.Signal();
        thread_.join();
    }
    PeerReader(const PeerReader&) = delete;
    PeerReader& operator=(const PeerReader&) = delete;

    // Waits until `count` more bytes than at the last call have come.
    void Await(std::uint64_t count) {
        expected_ += count;
        for (std::uint64_t got = got_.load(); got < expected_; got = got_.load()) got_.wait(got);
    }

  private:
    void Loop() {
        std::uint8_t buffer[256];
        for (;;) {
            std::array<FdWaitItem, 2> items{FdWaitItem{fd_}, FdWaitItem{stop_.Fd()}};
            if (WaitForInput(items, -1) != 0 || items[1].readable) return;
            std::size_t n = 0;
            if (ReadAvailable(fd_, buffer, sizeof buffer, &n) != 0) return;
            if (n == 0) continue;
            got_.fetch_add(n);
            got_.notify_one();
        }
    }

    int fd_;
    std::atomic<std::uint64_t> got_{0};
    std::uint64_t expected_ = 0;
    StopSignal stop_;
    std::thread thread_;
};

// The window on a headless application, connected to a pty as COM1.
struct Panel {
    PtyPair pty;
    TApplication app{std::make_unique<HeadlessHost>(), std::make_unique<FakeClock>(0)};
    TForm1* form = nullptr;

    Panel() {
        pty.Create();
        TForm1::Options options;
        const std::string slave = pty.SlavePath();
        options.registryFile = "/tmp/dsp-panel-bench.reg";
        options.deviceFactory = [slave](const std::string&) {
            PortMap map;
            map.Set("COM1", slave);
            return std::unique_ptr<SerialDevice>(std::make_unique<TermiosSerialDevice>(map));
        };
        form = new TForm1(&app, options);
        form->Show();
        app.ProcessMessages();
    }
};

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    auto middle = values.begin() + std::ptrdiff_t(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

// A control event until its frame is readable at the far end, against a raw
// write of the same 4 bytes to a pty of its own, in pairs: each event is
// timed right beside a raw write (which goes first alternates), and each side
// is the median of its single times. A shared machine's bursts, and the
// wake-ups that wait for a processor, then weigh on both sides alike and drop
// out of the medians, where separate runs compared by their means swing with
// whatever else the machine did meanwhile.
void BM_ControlEventVsRawWrite(benchmark::State& state) {
    Panel panel;
    panel.form->bsSkinButton1Click(panel.form);
    if (!panel.form->ComPort1.Connected()) return state.SkipWithError("cannot connect");
    PtyPair rawPty;
    rawPty.Create();
    TermiosSerialDevice raw;
    if (raw.Open(rawPty.SlavePath()) != 0) return state.SkipWithError("cannot open the pty");
    PeerReader panelPeer(panel.pty.MasterFd()), rawPeer(rawPty.MasterFd());
    const Frame frame = BuildFrame(0x12, 31);
    using Clock = std::chrono::steady_clock;
    const auto rawWrite = [&] {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(write(raw.NativeHandle(), frame.data(), frame.size()));
        rawPeer.Await(frame.size());
        return std::chrono::duration<double, std::nano>(Clock::now() - start).count();
    };
    int value = 30;
    const auto controlEvent = [&] {
        value = value == 30 ? 31 : 30;
        const auto start = Clock::now();
        panel.form->bsSkinTrackBar1->SetValue(value);  // "AUX": OnChange -> frame
        panelPeer.Await(4);
        return std::chrono::duration<double, std::nano>(Clock::now() - start).count();
    };
    std::vector<double> rawTimes, controlTimes;
    std::size_t n = 0;
    for (auto _ : state) {
        if (n % 2 == 0) rawTimes.push_back(rawWrite());
        controlTimes.push_back(controlEvent());
        if (n % 2 == 1) rawTimes.push_back(rawWrite());
        // The loop's own turn (painting what the changes invalidated, line
        // events) comes after the frame is on its way: kept out of the times.
        if (++n % 256 == 0) panel.app.ProcessMessages();
    }
    const double rawMedian = Median(rawTimes), controlMedian = Median(controlTimes);
    state.counters["raw_ns"] = rawMedian;
    state.counters["control_ns"] = controlMedian;
    state.counters["ratio"] = rawMedian > 0 ? controlMedian / rawMedian : 0;
}
BENCHMARK(BM_ControlEventVsRawWrite)->MinTime(0.5)->UseRealTime();

long StatusField(const std::string& key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key + ":", 0) == 0) return std::stol(line.substr(key.size() + 1));
    return -1;
}

void BM_ResidentAfterStartup(benchmark::State& state) {
    for (auto _ : state) {
        const long before = StatusField("VmRSS");
        Panel panel;
        state.counters["rss_kB"] = static_cast<double>(StatusField("VmRSS"));
        state.counters["rss_window_kB"] = static_cast<double>(StatusField("VmRSS") - before);
    }
}
BENCHMARK(BM_ResidentAfterStartup)->Iterations(1);

double ChildProcessorSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) * 1e-6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Each run's wall time, and the processor time the started programs used
// (the shell and dsp-panel): on a shared machine the wall time also counts
// the waits for a processor, the processor time only what starting costs.
void RunProgram(benchmark::State& state, const char* command) {
    const double before = ChildProcessorSeconds();
    for (auto _ : state) {
        FILE* pipe = popen(command, "r");
        if (!pipe) return state.SkipWithError("cannot start dsp-panel");
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe)) {
        }
        if (pclose(pipe) != 0) state.SkipWithError("dsp-panel failed");
    }
    state.counters["child_cpu_ms"] = (ChildProcessorSeconds() - before) * 1e3 / double(state.iterations());
}

void BM_StartVersion(benchmark::State& state) { RunProgram(state, DSP_PANEL_PROGRAM " --version"); }
BENCHMARK(BM_StartVersion)->Unit(benchmark::kMillisecond);

void BM_StartHeadlessQuit(benchmark::State& state) {
    RunProgram(state, "echo quit | XDG_CONFIG_HOME=/tmp/dsp-panel-bench " DSP_PANEL_PROGRAM " --headless");
}
BENCHMARK(BM_StartHeadlessQuit)->Unit(benchmark::kMillisecond);

// Keeps each benchmark's wall and processor time (a started program's
// processor time for the start-up runs): the median of its repetitions when
// it has them, else its one run.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (!median && run.run_type != Run::RT_Iteration) continue;
            const std::string name = run.run_name.function_name;
            if (!median && times_.count(name)) continue;
            const auto child = run.counters.find("child_cpu_ms");
            times_[name] = {run.GetAdjustedRealTime(),
                            child != run.counters.end() ? double(child->second) : run.GetAdjustedCPUTime()};
            for (const auto& [counter, value] : run.counters) counters_[name + "." + counter] = value;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void PrintRatio(const char* name, const char* base, const char* target) const {
        const auto a = times_.find(name), b = times_.find(base);
        if (a == times_.end() || b == times_.end() || b->second.wall <= 0 || b->second.processor <= 0) return;
        std::printf("ratio %s / %s = %.2f%s; by processor time %.2f\n", name, base,
                    a->second.wall / b->second.wall, target, a->second.processor / b->second.processor);
    }

    // The paired event measurement's own ratio of medians.
    void PrintPaired(const char* name, const char* target) const {
        const auto ratio = counters_.find(std::string(name) + ".ratio");
        if (ratio == counters_.end()) return;
        std::printf(
            "ratio control event / raw write, bytes readable at the far end = %.2f%s (medians %.0f ns / "
            "%.0f ns)\n",
            ratio->second, target, counters_.at(std::string(name) + ".control_ns"),
            counters_.at(std::string(name) + ".raw_ns"));
    }

  private:
    struct Times {
        double wall = 0;
        double processor = 0;
    };
    std::map<std::string, Times> times_;
    std::map<std::string, double> counters_;
};

}  // namespace

int main(int argc, char** argv) {
    // Repetitions of the two sides of a ratio take turns (an explicit
    // --benchmark_enable_random_interleaving=false still wins).
    std::vector<char*> args(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, interleave);
    argc = static_cast<int>(args.size());
    argv = args.data();
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintPaired("BM_ControlEventVsRawWrite", " (target <= 1.30)");
    reporter.PrintRatio("BM_StartHeadlessQuit", "BM_StartVersion", "");
    benchmark::Shutdown();
    return 0;
}
