// Opening the port combo's drop-down (eleven items, eight rows and the
// scroll bar, on our first skin) until its first picture is presented on the
// screen, against a memcpy of the list's pixels.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

#include "bench/drawing/bench_ratio.h"
#include "controls/combo_box.h"
#include "controls/popup_list_box.h"
#include "platform/framework/application.h"
#include "platform/framework/form.h"
#include "platform/framework/headless_host.h"
#include "skin/compressed_stored_skin.h"
#include "skin/embedded/embedded_skins.h"
#include "skin/skin_data.h"

namespace dsp {
namespace {

struct Window {
    Window() {
        auto headless = std::make_unique<HeadlessHost>();
        host = headless.get();
        app = std::make_unique<TApplication>(std::move(headless), std::make_unique<FakeClock>(0));
        TbsCompressedStoredSkin stored;
        LoadEmbeddedSkin(1, stored);
        skin.LoadFromCompressedStoredSkin(stored);
        form = app->CreateForm<TForm>();
        form->SetBoundsRect(Rect::FromOriginSize(0, 0, 700, 500));
        combo = new TbsSkinComboBox(form);
        combo->SetParent(form);
        combo->SetBounds(88, 29, 120, 20);
        combo->SetSkinData(&skin);
        combo->SetItems({"COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7", "COM8", "COM9", "", ""});
        combo->SetItemIndex(0);
        form->Show();
        app->ProcessMessages();
    }
    std::unique_ptr<TApplication> app;
    HeadlessHost* host = nullptr;
    TbsSkinData skin;
    TForm* form = nullptr;
    TbsSkinComboBox* combo = nullptr;
};

void BM_OpenPortList(benchmark::State& state) {
    Window w;
    int presents = 0;
    for (auto _ : state) {
        const int before = w.host->PresentCount();
        w.combo->DropDown();
        w.app->ProcessMessages();  // paints the list and presents it
        presents += w.host->PresentCount() - before;
        state.PauseTiming();
        w.combo->CloseUp(false);
        w.app->ProcessMessages();
        state.ResumeTiming();
    }
    state.counters["presents"] = double(presents) / double(state.iterations());
    const TbsPopupListBox& list = w.combo->ListBox();
    state.counters["list_pixels"] = double(list.Width()) * list.Height();
}
BENCHMARK(BM_OpenPortList);

// The floor: copying the list's pixels once (120 x 148, 4 bytes each).
void BM_MemcpyListPixels(benchmark::State& state) {
    MeasureMemcpy(state, std::size_t(120) * (4 + 8 * 18) * 4);
}
BENCHMARK(BM_MemcpyListPixels);

}  // namespace
}  // namespace dsp

int main(int argc, char** argv) {
    return dsp::RunAndReport(argc, argv, [](const dsp::RecordingReporter& reporter) {
        const double open = reporter.Time("BM_OpenPortList"), copy = reporter.Time("BM_MemcpyListPixels");
        const double openCpu = reporter.CpuTime("BM_OpenPortList"),
                     copyCpu = reporter.CpuTime("BM_MemcpyListPixels");
        if (open > 0 && copy > 0 && openCpu > 0 && copyCpu > 0) {
            std::printf(
                "open the port list to its first presented picture: %.2f us wall, %.2f us CPU "
                "(%.0f presents, %.0f list pixels)\n",
                open * 1e6, openCpu * 1e6, reporter.Counter("BM_OpenPortList", "presents"),
                reporter.Counter("BM_OpenPortList", "list_pixels"));
            std::printf("memcpy of the list's pixels: %.3f us wall, %.3f us CPU\n", copy * 1e6,
                        copyCpu * 1e6);
            std::printf("ratio open/memcpy: %.0f (wall), %.0f (CPU)\n", open / copy, openCpu / copyCpu);
        }
    });
}
