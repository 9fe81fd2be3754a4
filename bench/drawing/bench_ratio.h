#pragma once
// A console reporter that also keeps each benchmark's time per iteration (the
// median of the repetitions when there are several), so a program can print
// ratios against its baseline run after the table; the run that ends with
// those ratios; and the memcpy floor most ratios are taken against.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace dsp {

class RecordingReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.iterations <= 0) continue;
            // With --benchmark_repetitions the median stands for the
            // benchmark: on a shared machine one slow run is noise.
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const std::string name = run.run_name.str();
            if (median) medians_.insert(name);
            if (run.run_type == Run::RT_Iteration && medians_.count(name)) continue;
            if (run.run_type == Run::RT_Iteration || median) {
                seconds_[name] = run.real_accumulated_time / double(run.iterations);
                cpuSeconds_[name] = run.cpu_accumulated_time / double(run.iterations);
                counters_[name] = run.counters;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    double Time(const std::string& name) const {
        auto it = seconds_.find(name);
        return it == seconds_.end() ? 0.0 : it->second;
    }
    // Processor time per iteration: on a machine others share, what the
    // code costs apart from waiting for a processor.
    double CpuTime(const std::string& name) const {
        auto it = cpuSeconds_.find(name);
        return it == cpuSeconds_.end() ? 0.0 : it->second;
    }
    double Counter(const std::string& name, const std::string& counter) const {
        auto it = counters_.find(name);
        if (it == counters_.end()) return 0.0;
        auto c = it->second.find(counter);
        return c == it->second.end() ? 0.0 : double(c->second);
    }

  private:
    std::set<std::string> medians_;
    std::map<std::string, double> seconds_;
    std::map<std::string, double> cpuSeconds_;
    std::map<std::string, benchmark::UserCounters> counters_;
};

// Runs the benchmarks the command line selects and hands the recorded
// results to `report`, which prints the ratios.
template <class Report>
int RunAndReport(int argc, char** argv, Report report) {
    benchmark::Initialize(&argc, argv);
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    report(reporter);
    benchmark::Shutdown();
    return 0;
}

// The floor: copying `bytes` (filled with a pattern) once per iteration.
inline void MeasureMemcpy(benchmark::State& state, std::size_t bytes) {
    std::vector<unsigned char> from(bytes, 0x5A), to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(bytes));
}

}  // namespace dsp
