// One step of dragging the "MAIN" fader on the real window (SDL host, private
// Xvfb): the pointer event as the host hands it to the application, the
// value change, the repaint and the present, until the display has the
// pixels. Once presenting only the changed rectangles, once presenting the
// whole window for every paint (the same step otherwise); prints the ratio.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "bench/drawing/bench_ratio.h"
#include "main/panel/form1.h"
#include "platform/framework/application.h"
#include "platform/framework/fake_time.h"
#include "platform/framework/input_router.h"
#include "platform/hosts/sdl/sdl_host.h"
#include "platform/serialdev/fd_wait.h"
#include "platform/serialdev/pty_pair.h"
#include "platform/serialdev/termios_device.h"
#include "tests/support/xvfb_server.h"

namespace dsp {
namespace {

// A window that presents the whole frame whatever changed: the baseline.
class WholeFrameWindow final : public HostWindow {
  public:
    WholeFrameWindow(std::unique_ptr<HostWindow> inner, const bool& whole)
        : inner_(std::move(inner)), whole_(whole) {}
    void SetBounds(const Rect& r) override { inner_->SetBounds(r); }
    void SetVisible(bool v) override { inner_->SetVisible(v); }
    void SetTitle(const std::string& t) override { inner_->SetTitle(t); }
    void Present(const Bitmap& frame, const Region& dirty) override {
        inner_->Present(frame, whole_ ? Region(frame.Bounds()) : dirty);
    }
    void SetShape(const Region* shape) override { inner_->SetShape(shape); }
    void Activate() override { inner_->Activate(); }
    void SetCapture(bool c) override { inner_->SetCapture(c); }
    void Minimize() override { inner_->Minimize(); }
    void Restore() override { inner_->Restore(); }
    bool BeginSystemMove(Point p) override { return inner_->BeginSystemMove(p); }

  private:
    std::unique_ptr<HostWindow> inner_;
    const bool& whole_;
};

class SwitchableHost final : public WindowHost {
  public:
    bool presentWhole = false;

    std::unique_ptr<HostWindow> CreateWindow(TForm& form) override {
        return std::make_unique<WholeFrameWindow>(sdl_.CreateWindow(form), presentWhole);
    }
    Rect WorkArea() const override { return sdl_.WorkArea(); }
    std::vector<MonitorInfo> Monitors() const override { return sdl_.Monitors(); }
    void MessageBox(const std::string& c, const std::string& t, const Rect& o) override {
        sdl_.MessageBox(c, t, o);
    }
    int EventFd() const override { return sdl_.EventFd(); }
    int MaxWaitMs() const override { return sdl_.MaxWaitMs(); }
    int PumpEvents(HostEventSink& sink) override { return sdl_.PumpEvents(sink); }
    bool HasPendingEvents() override { return sdl_.HasPendingEvents(); }
    void Sync() const { sdl_.Sync(); }

  private:
    SdlHost sdl_;
};

struct Panel {
    PtyPair pty;
    SwitchableHost* host = nullptr;
    std::unique_ptr<TApplication> app;
    TForm1* form = nullptr;

    Panel() {
        pty.Create();
        auto owned = std::make_unique<SwitchableHost>();
        host = owned.get();
        app = std::make_unique<TApplication>(std::move(owned), std::make_unique<FakeClock>(0));
        TForm1::Options options;
        const std::string slave = pty.SlavePath();
        options.registryFile = "/tmp/dsp-panel-present-bench.reg";
        options.deviceFactory = [slave](const std::string&) {
            PortMap map;
            map.Set("COM1", slave);
            return std::unique_ptr<SerialDevice>(std::make_unique<TermiosSerialDevice>(map));
        };
        form = new TForm1(app.get(), options);
        form->Show();
        Settle();
        form->bsSkinButton1Click(form);
        Settle();
    }
    void Settle() {
        for (int i = 0; i < 100 && app->ProcessMessages(); ++i) {
        }
    }
    void Route(HostEvent::Kind kind, Point client) {
        HostEvent e;
        e.kind = kind;
        e.form = form;
        e.screen = form->ClientToScreen(client);
        app->Input().Route(e);
    }
    // The frames the steps send, read away so the line never fills.
    void Drain() {
        unsigned char buffer[256];
        std::size_t got = 0;
        while (ReadAvailable(pty.MasterFd(), buffer, sizeof buffer, &got) == 0 && got > 0) {
        }
    }
};

std::unique_ptr<Panel> gPanel;

// The "MAIN" fader's thumb at value 20, in client coordinates.
constexpr int kStartValue = 20;
constexpr Point kThumb{44, 383};

void DragSteps(benchmark::State& state, bool whole) {
    Panel& p = *gPanel;
    p.host->presentWhole = whole;
    TbsSkinTrackBar* fader = p.form->bsSkinTrackBar12;
    // Each run starts with the thumb where the press finds it.
    fader->SetValue(kStartValue);
    p.Settle();
    p.Route(HostEvent::Kind::MouseMove, kThumb);
    p.Route(HostEvent::Kind::MouseDown, kThumb);
    p.Settle();
    int y = kThumb.y, changes = 0;
    double pixels = 0;
    for (auto _ : state) {
        y = y == kThumb.y - 6 ? kThumb.y - 12 : kThumb.y - 6;
        const int before = fader->Value();
        p.Route(HostEvent::Kind::MouseMove, {kThumb.x, y});
        if (whole) pixels += double(p.form->Width()) * p.form->Height();
        for (const Rect& r : p.form->DirtyRegion().Rects())
            if (!whole) pixels += double(r.Width()) * r.Height();
        p.app->ProcessMessages();
        p.host->Sync();  // until the X server has drawn the pixels
        changes += fader->Value() != before;
        state.PauseTiming();
        p.Drain();
        state.ResumeTiming();
    }
    p.Route(HostEvent::Kind::MouseUp, {kThumb.x, y});
    p.Settle();
    p.Drain();
    if (changes < state.iterations()) state.SkipWithError("a step did not move the fader");
    state.counters["pixels_presented"] = pixels / double(state.iterations());
}

void BM_FaderStepPresentChanged(benchmark::State& state) { DragSteps(state, false); }
BENCHMARK(BM_FaderStepPresentChanged)->Unit(benchmark::kMicrosecond);

void BM_FaderStepPresentWhole(benchmark::State& state) { DragSteps(state, true); }
BENCHMARK(BM_FaderStepPresentWhole)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace dsp

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    dsp::test::XvfbServer x;
    if (x.Display().empty()) {
        std::fprintf(stderr, "present_step_bench: %s\n", x.Error().c_str());
        return 1;
    }
    ::setenv("DISPLAY", x.Display().c_str(), 1);
    ::setenv("SDL_VIDEODRIVER", "x11", 1);
    dsp::gPanel = std::make_unique<dsp::Panel>();
    dsp::RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double changed = reporter.Time("BM_FaderStepPresentChanged");
    const double whole = reporter.Time("BM_FaderStepPresentWhole");
    if (changed > 0 && whole > 0)
        std::printf(
            "fader step: %.1f us presenting the changed rectangles, %.1f us the whole window: "
            "ratio changed/whole %.3f\n",
            changed * 1e6, whole * 1e6, changed / whole);
    dsp::gPanel.reset();
    benchmark::Shutdown();
    return 0;
}
