// The monitor area: the nearest of several displays, or the desktop.
#include "skin/monitor_area.h"

#include <gtest/gtest.h>

#include "platform/framework/application.h"
#include "platform/framework/fake_time.h"
#include "platform/framework/form.h"
#include "platform/framework/headless_host.h"

namespace dsp {
namespace {

// A 1920 x 1080 display with a panel at the top, and a 1280 x 1024 one to
// its right with a dock on its left.
const std::vector<MonitorInfo> kTwo{
    {{0, 0, 1920, 1080}, {0, 30, 1920, 1080}},
    {{1920, 0, 3200, 1024}, {1980, 0, 3200, 1024}},
};

TEST(MonitorArea, TheDisplayHoldingMostOfTheWindow) {
    EXPECT_EQ(MonitorArea(Rect{100, 100, 500, 400}, MonitorPart::WorkArea, kTwo), kTwo[0].workArea);
    // Across the seam, mostly on the right-hand display.
    EXPECT_EQ(MonitorArea(Rect{1800, 100, 2400, 400}, MonitorPart::WorkArea, kTwo), kTwo[1].workArea);
    EXPECT_EQ(MonitorArea(Rect{1800, 100, 2400, 400}, MonitorPart::Whole, kTwo), kTwo[1].bounds);
}

TEST(MonitorArea, OffEveryDisplayTheClosestOne) {
    EXPECT_EQ(MonitorArea(Rect{3300, 2000, 3400, 2100}, MonitorPart::Whole, kTwo), kTwo[1].bounds);
    EXPECT_EQ(MonitorArea(Rect{-500, 1100, -100, 1300}, MonitorPart::Whole, kTwo), kTwo[0].bounds);
}

TEST(MonitorArea, OneDisplayIsTheDesktop) {
    const std::vector<MonitorInfo> one{{{0, 0, 1280, 1024}, {0, 0, 1280, 994}}};
    // Wherever the window is, even off the screen.
    EXPECT_EQ(MonitorArea(Rect{5000, 5000, 5100, 5100}, MonitorPart::WorkArea, one), (Rect{0, 0, 1280, 994}));
    EXPECT_EQ(MonitorArea(Rect{5000, 5000, 5100, 5100}, MonitorPart::Whole, one), (Rect{0, 0, 1280, 1024}));
    EXPECT_EQ(MonitorArea(Rect{0, 0, 10, 10}, MonitorPart::Whole, {}), Rect{});
}

TEST(MonitorArea, AFormThroughTheApplication) {
    auto host = std::make_unique<HeadlessHost>(Rect{0, 0, 1280, 994});
    HeadlessHost* screen = host.get();
    TApplication app(std::move(host), std::make_unique<FakeClock>(0));
    TForm* form = app.CreateForm<TForm>();
    form->SetBounds(2000, 100, 600, 400);
    // The headless screen alone: its work area, or the whole 1280 x 994.
    EXPECT_EQ(MonitorArea(*form, MonitorPart::WorkArea), (Rect{0, 0, 1280, 994}));
    screen->SetMonitors(kTwo);
    EXPECT_EQ(MonitorArea(*form, MonitorPart::WorkArea), kTwo[1].workArea);
    EXPECT_EQ(MonitorArea(*form, MonitorPart::Whole), kTwo[1].bounds);
}

}  // namespace
}  // namespace dsp
