// Loading a skin (inflate, package, ini text, data objects) against the
// bare zlib uncompress of the same stream into a preallocated buffer. The
// skin is built at start in the shape of a real one: a 177 x 142 24-bit main
// picture, a 1-bit mask, eight 24-bit list pictures and a full description.
// Prints the ratio load / uncompress, by wall-clock and by CPU time (the
// steadier of the two on a shared machine); the target is at most 1.5 for
// the sample and 1.3 for our three embedded skins. A load checks every
// picture but decodes none: the first use does, measured apart.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdio>
#include <map>
#include <string>

#include "skin/embedded/embedded_skins.h"
#include "skin/skin_data.h"
#include "skin/skin_zlib.h"
#include "tests/skin/sample_skin.h"

namespace {

struct Skin {
    Skin() : package(dsp::testkit::SamplePackage(dsp::testkit::SampleSkinShape{})) {
        stored.SetCompressedData(dsp::DeflateBest(package));
    }
    std::vector<std::uint8_t> package;
    dsp::TbsCompressedStoredSkin stored;
};

const Skin& BenchSkin() {
    static const Skin skin;
    return skin;
}

void BM_ZlibUncompress(benchmark::State& state) {
    const Skin& skin = BenchSkin();
    std::vector<std::uint8_t> buffer(skin.package.size());
    const auto& stream = skin.stored.CompressedData();
    for (auto _ : state) {
        uLongf size = buffer.size();
        int rc = uncompress(buffer.data(), &size, stream.data(), static_cast<uLong>(stream.size()));
        if (rc != Z_OK) state.SkipWithError("uncompress failed");
        benchmark::DoNotOptimize(buffer.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * skin.package.size()));
}
BENCHMARK(BM_ZlibUncompress)->Unit(benchmark::kMicrosecond);

// The unpack step alone (4096-byte pieces), to see how the load divides.
void BM_UnpackOnly(benchmark::State& state) {
    const Skin& skin = BenchSkin();
    std::vector<std::uint8_t> target;
    for (auto _ : state) {
        skin.stored.Unpack(target);
        benchmark::DoNotOptimize(target.data());
    }
}
BENCHMARK(BM_UnpackOnly)->Unit(benchmark::kMicrosecond);

void BM_LoadSkin(benchmark::State& state) {
    const Skin& skin = BenchSkin();
    dsp::TbsSkinData data;
    for (auto _ : state) {
        data.LoadFromCompressedStoredSkin(skin.stored);
        benchmark::DoNotOptimize(data.CtrlList().data());
    }
    if (data.CtrlList().size() != 63) state.SkipWithError("the skin did not load whole");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * skin.package.size()));
}
BENCHMARK(BM_LoadSkin)->Unit(benchmark::kMicrosecond);

// Our three embedded skins: all three loaded (inflate, package, picture
// decoding, ini text, data objects) against zlib uncompress of the same three
// streams into preallocated buffers.
struct Embedded {
    Embedded() {
        for (int i = 0; i < dsp::kEmbeddedSkinCount; ++i) {
            dsp::LoadEmbeddedSkin(i + 1, stored[i]);
            stored[i].Unpack(buffers[i]);
        }
    }
    dsp::TbsCompressedStoredSkin stored[dsp::kEmbeddedSkinCount];
    std::vector<std::uint8_t> buffers[dsp::kEmbeddedSkinCount];
};

Embedded& EmbeddedSkins() {
    static Embedded skins;
    return skins;
}

void BM_ZlibUncompressEmbedded(benchmark::State& state) {
    Embedded& skins = EmbeddedSkins();
    for (auto _ : state) {
        for (int i = 0; i < dsp::kEmbeddedSkinCount; ++i) {
            const auto& stream = skins.stored[i].CompressedData();
            uLongf size = skins.buffers[i].size();
            int rc =
                uncompress(skins.buffers[i].data(), &size, stream.data(), static_cast<uLong>(stream.size()));
            if (rc != Z_OK) state.SkipWithError("uncompress failed");
            benchmark::DoNotOptimize(skins.buffers[i].data());
        }
    }
}
BENCHMARK(BM_ZlibUncompressEmbedded)->Unit(benchmark::kMicrosecond);

void BM_LoadEmbeddedSkins(benchmark::State& state) {
    Embedded& skins = EmbeddedSkins();
    dsp::TbsSkinData data[dsp::kEmbeddedSkinCount];
    for (auto _ : state) {
        for (int i = 0; i < dsp::kEmbeddedSkinCount; ++i) {
            data[i].LoadFromCompressedStoredSkin(skins.stored[i]);
            benchmark::DoNotOptimize(data[i].CtrlList().data());
        }
    }
    for (const auto& d : data) {
        if (d.Empty() || d.FindControl("trackbar") < 0)
            state.SkipWithError("an embedded skin did not load whole");
    }
}
BENCHMARK(BM_LoadEmbeddedSkins)->Unit(benchmark::kMicrosecond);

// A load followed by the first use of every picture, which decodes them.
void BM_LoadAndDecodeEmbeddedSkins(benchmark::State& state) {
    Embedded& skins = EmbeddedSkins();
    dsp::TbsSkinData data[dsp::kEmbeddedSkinCount];
    for (auto _ : state) {
        for (int i = 0; i < dsp::kEmbeddedSkinCount; ++i) {
            data[i].LoadFromCompressedStoredSkin(skins.stored[i]);
            benchmark::DoNotOptimize(data[i].PictureBitmap().Data());
            benchmark::DoNotOptimize(data[i].MaskBitmap().Data());
            benchmark::DoNotOptimize(data[i].ActivePictureBitmaps().data());
        }
    }
}
BENCHMARK(BM_LoadAndDecodeEmbeddedSkins)->Unit(benchmark::kMicrosecond);

// Console output as usual, and the mean time of each benchmark kept.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        // The mean of repetitions when there are some, else the one run.
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            bool mean = run.run_type == Run::RT_Aggregate && run.aggregate_name == "mean";
            if (mean || (run.run_type == Run::RT_Iteration && !times_.count(run.run_name.function_name))) {
                times_[run.run_name.function_name] = run.GetAdjustedRealTime();
                cpuTimes_[run.run_name.function_name] = run.GetAdjustedCPUTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    double Time(const std::string& name) const { return Find(times_, name); }
    double CpuTime(const std::string& name) const { return Find(cpuTimes_, name); }
    // Both ratios of `load` to `base` when both ran; a target of 0 is none.
    void PrintRatio(const char* what, const std::string& load, const std::string& base, double target) const {
        if (Time(base) <= 0 || Time(load) <= 0) return;
        std::printf("%s: ratio load/uncompress = %.2f wall clock, %.2f CPU", what, Time(load) / Time(base),
                    CpuTime(load) / CpuTime(base));
        if (target > 0) std::printf(" (target <= %.1f)", target);
        std::printf("\n");
    }

  private:
    static double Find(const std::map<std::string, double>& m, const std::string& name) {
        auto it = m.find(name);
        return it == m.end() ? 0.0 : it->second;
    }

    std::map<std::string, double> times_;
    std::map<std::string, double> cpuTimes_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    const Skin& skin = BenchSkin();
    std::printf("skin package %zu bytes, compressed stream %zu bytes\n", skin.package.size(),
                skin.stored.CompressedData().size());
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("sample skin", "BM_LoadSkin", "BM_ZlibUncompress", 1.5);
    reporter.PrintRatio("embedded skins", "BM_LoadEmbeddedSkins", "BM_ZlibUncompressEmbedded", 1.3);
    reporter.PrintRatio("embedded skins, pictures decoded", "BM_LoadAndDecodeEmbeddedSkins",
                        "BM_ZlibUncompressEmbedded", 0);
    benchmark::Shutdown();
    return 0;
}
