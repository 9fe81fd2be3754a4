#pragma once
// The headless application every window test starts from: a HeadlessHost
// (in-memory screen, injected input) and a fake clock that only the test
// moves. FormTest and Form1Test build on it.

#include <gtest/gtest.h>

#include <memory>

#include "platform/framework/application.h"
#include "platform/framework/fake_time.h"
#include "platform/framework/form.h"
#include "platform/framework/headless_host.h"

namespace dsp::test {

class AppTest : public ::testing::Test {
  protected:
    AppTest() {
        auto host = std::make_unique<HeadlessHost>();
        auto clock = std::make_unique<FakeClock>(1000);
        host_ = host.get();
        clock_ = clock.get();
        app_ = std::make_unique<TApplication>(std::move(host), std::move(clock));
        host_->SetEcho(false);
    }
    TForm* NewForm(Rect bounds) {
        TForm* f = app_->CreateForm<TForm>();
        f->SetBoundsRect(bounds);
        return f;
    }
    void Process() { app_->ProcessMessages(); }
    void Advance(TimeMs ms) { AdvanceTime(*app_, *clock_, ms); }

    // Input at a point of a control, each followed by the messages it causes.
    Point At(TControl* c, int x, int y) const { return c->ClientToScreen({x, y}); }
    Point Middle(TControl* c) const { return At(c, c->Width() / 2, c->Height() / 2); }
    void Click(TControl* c, int x, int y) {
        host_->Click(At(c, x, y));
        Process();
    }
    void ClickOn(TControl* c) {
        host_->Click(Middle(c));
        Process();
    }
    void Press(TControl* c, int x, int y) {
        host_->MouseMove(At(c, x, y));
        host_->MouseDown(At(c, x, y));
        Process();
    }
    void MoveTo(TControl* c, int x, int y) {
        host_->MouseMove(At(c, x, y));
        Process();
    }
    void Release(TControl* c, int x, int y) {
        host_->MouseUp(At(c, x, y));
        Process();
    }
    void Key(uint16_t key, TShiftState shift = 0) {
        host_->PressKey(key, shift);
        Process();
    }

    HeadlessHost* host_;
    FakeClock* clock_;
    std::unique_ptr<TApplication> app_;
};

}  // namespace dsp::test
