// Drawing 100 short labels, half Latin and half Chinese, as a window paint
// does: with a warm glyph cache (the engine kept between paints) against a
// cold one (a new engine each time). Reports the time per 100 labels and the
// glyph-cache hit rate of the warm run.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/drawing/bench_ratio.h"
#include "platform/text/draw_text.h"

namespace dsp {
namespace {

const std::vector<std::string>& Labels() {
    static const std::vector<std::string> labels = [] {
        const char* latin[] = {"INPUT:", "AUTO", "BGM",   "VCR",       "DVD",
                               "TV",     "MIC",  "MUSIC", "MIC+MUSIC", "language:"};
        const char* chinese[] = {"连接",   "断开", "语言", "调用", "保存",
                                 "主音量", "辅助", "低音", "中音", "高音"};
        std::vector<std::string> out;
        for (int i = 0; i < 50; ++i) {
            out.push_back(std::string(latin[i % 10]) + (i >= 10 ? " " + std::to_string(i) : ""));
            out.push_back(std::string(chinese[i % 10]) + (i >= 10 ? std::to_string(i) : ""));
        }
        return out;
    }();
    return labels;
}

void DrawLabels(FontEngine& engine, Canvas& canvas) {
    const TFont label("MS Sans Serif", -11, 0, clBlack), button("Arial", 14, 0, clBlack);
    int i = 0;
    for (const std::string& text : Labels()) {
        Rect r = Rect::FromOriginSize(10 + (i % 8) * 85, 10 + (i / 8) * 30, 80, 25);
        DrawText(engine, canvas, i % 3 ? label : button, text, r, kDtCenter | kDtSingleLine | kDtVCenter);
        ++i;
    }
}

void BM_LabelsWarmCache(benchmark::State& state) {
    FontEngine engine;
    Bitmap frame(700, 500, clBtnFace);
    Canvas canvas(frame);
    for (auto _ : state) DrawLabels(engine, canvas);
    const GlyphCacheStats s = engine.CacheStats();
    state.counters["hit_rate"] = double(s.hits) / double(s.hits + s.misses);
    state.counters["glyphs"] = double(s.glyphs);
}
BENCHMARK(BM_LabelsWarmCache)->Unit(benchmark::kMicrosecond);

void BM_LabelsColdCache(benchmark::State& state) {
    Bitmap frame(700, 500, clBtnFace);
    Canvas canvas(frame);
    double hitRate = 0;
    for (auto _ : state) {
        FontEngine engine;
        DrawLabels(engine, canvas);
        const GlyphCacheStats s = engine.CacheStats();
        hitRate = double(s.hits) / double(s.hits + s.misses);
    }
    state.counters["hit_rate"] = hitRate;  // within one paint of a fresh engine
}
BENCHMARK(BM_LabelsColdCache)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace dsp

int main(int argc, char** argv) {
    return dsp::RunAndReport(argc, argv, [](const dsp::RecordingReporter& reporter) {
        const double warm = reporter.Time("BM_LabelsWarmCache"), cold = reporter.Time("BM_LabelsColdCache");
        if (warm > 0) {
            std::printf("100 labels, warm cache: %.1f us, glyph-cache hit rate %.4f\n", warm * 1e6,
                        reporter.Counter("BM_LabelsWarmCache", "hit_rate"));
        }
        if (cold > 0) {
            std::printf("100 labels, cold cache: %.1f us, glyph-cache hit rate within that paint %.4f\n",
                        cold * 1e6, reporter.Counter("BM_LabelsColdCache", "hit_rate"));
        }
        if (warm > 0 && cold > 0) std::printf("ratio cold/warm: %.1f\n", cold / warm);
    });
}
