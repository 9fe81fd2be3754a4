#pragma once
// A headless application on a fake clock with one shown form, for driving
// the real controls with injected mouse, key and wheel events.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/framework/application.h"
#include "platform/framework/fake_time.h"
#include "platform/framework/form.h"
#include "platform/framework/headless_host.h"

namespace dsp::test {

class FormTest : public ::testing::Test {
protected:
    FormTest() {
        auto host = std::make_unique<HeadlessHost>();
        auto clock = std::make_unique<FakeClock>(1000);
        host_ = host.get();
        clock_ = clock.get();
        app_ = std::make_unique<TApplication>(std::move(host), std::move(clock));
        host_->SetEcho(false);
        form_ = app_->CreateForm<TForm>();
        form_->SetBoundsRect(Rect::FromBounds(100, 100, 640, 400));
    }
    ~FormTest() override { app_.reset(); }

    void Show() {
        form_->Show();
        Process();
    }
    void Process() { app_->ProcessMessages(); }
    void Advance(TimeMs ms) { AdvanceTime(*app_, *clock_, ms); }
    Point At(TControl* c, int x, int y) const { return c->ClientToScreen({x, y}); }
    void Click(TControl* c, int x, int y) {
        host_->Click(At(c, x, y));
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
    TForm* form_;
    std::vector<std::string> log_;
};

} // namespace dsp::test
