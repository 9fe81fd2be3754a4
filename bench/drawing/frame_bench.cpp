// Composing a 700 x 500 window frame from skin-like pieces (tiled background,
// stretched edges, three-piece buttons, transparent thumbs), against a plain
// memcpy of a frame of the same size. Prints the ratio compose / memcpy.

#include <benchmark/benchmark.h>

#include <cstdio>

#include "bench/drawing/bench_ratio.h"
#include "platform/graphics/canvas.h"

namespace dsp {
namespace {

constexpr int kWidth = 700, kHeight = 500;

// A 200 x 200 skin picture with bands of colour, a magenta key area for
// thumbs, so that the pieces are not uniform.
Bitmap SkinPicture() {
    Bitmap skin(200, 200);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x)
            skin.SetPixel(x, y, MakeColor(std::uint8_t(x), std::uint8_t(y), std::uint8_t(x ^ y)));
    Canvas c(skin);
    c.FillRect({150, 150, 170, 162}, clFuchsia);
    c.FillRect({154, 152, 166, 160}, clSilver);
    return skin;
}

void ThreePiece(Canvas& c, const Bitmap& skin, const Rect& src, const Rect& dst, int end) {
    c.CopyRect(dst.TopLeft(), skin, {src.left, src.top, src.left + end, src.bottom});
    c.StretchDraw({dst.left + end, dst.top, dst.right - end, dst.bottom}, skin,
                  {src.left + end, src.top, src.right - end, src.bottom});
    c.CopyRect({dst.right - end, dst.top}, skin, {src.right - end, src.top, src.right, src.bottom});
}

void Compose(Canvas& c, const Bitmap& skin) {
    c.TileDraw({0, 0, kWidth, kHeight}, skin, {0, 0, 64, 64});                        // background
    ThreePiece(c, skin, {0, 100, 200, 130}, {0, 0, kWidth, 30}, 40);                  // caption
    ThreePiece(c, skin, {0, 190, 200, 200}, {0, kHeight - 10, kWidth, kHeight}, 10);  // bottom edge
    c.StretchDraw({0, 30, 4, kHeight - 10}, skin, {0, 130, 4, 190});
    c.StretchDraw({kWidth - 4, 30, kWidth, kHeight - 10}, skin, {196, 130, 200, 190});
    for (int i = 0; i < 30; ++i) {  // buttons, combo boxes, spin edits
        const int x = 10 + (i % 6) * 110, y = 40 + (i / 6) * 32;
        ThreePiece(c, skin, {0, 64, 100, 89}, Rect::FromOriginSize(x, y, 100, 25), 6);
    }
    for (int i = 0; i < 11; ++i) {  // track bars with their thumbs
        const int x = 30 + i * 60;
        c.TileDraw(Rect::FromOriginSize(x, 220, 20, 112), skin, {100, 0, 120, 16});
        c.DrawTransparent({x, 250 + i * 7}, skin, {150, 150, 170, 162}, clFuchsia);
    }
    for (int i = 0; i < 5; ++i) {  // sliders
        c.TileDraw(Rect::FromOriginSize(40, 350 + i * 28, 150, 8), skin, {0, 40, 50, 48});
        c.StretchTransparent(Rect::FromOriginSize(60 + i * 20, 346 + i * 28, 20, 16), skin,
                             {150, 150, 170, 162}, clFuchsia);
    }
}

void BM_ComposeFrame(benchmark::State& state) {
    const Bitmap skin = SkinPicture();
    Bitmap frame(kWidth, kHeight);
    Canvas canvas(frame);
    for (auto _ : state) {
        Compose(canvas, skin);
        benchmark::DoNotOptimize(frame.Data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kWidth * kHeight * 4);
}
BENCHMARK(BM_ComposeFrame);

void BM_MemcpyFrame(benchmark::State& state) {
    MeasureMemcpy(state, std::size_t(kWidth) * kHeight * sizeof(Pixel));
}
BENCHMARK(BM_MemcpyFrame);

}  // namespace
}  // namespace dsp

int main(int argc, char** argv) {
    return dsp::RunAndReport(argc, argv, [](const dsp::RecordingReporter& reporter) {
        const double compose = reporter.Time("BM_ComposeFrame"), copy = reporter.Time("BM_MemcpyFrame");
        if (compose > 0 && copy > 0) std::printf("ratio compose/memcpy: %.1f\n", compose / copy);
    });
}
