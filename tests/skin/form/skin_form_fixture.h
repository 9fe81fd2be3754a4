#pragma once
// A headless form with our skin 1 on a skinned frame, on a fake clock.

#include <gtest/gtest.h>

#include <memory>

#include "platform/framework/application.h"
#include "platform/framework/fake_time.h"
#include "platform/framework/headless_host.h"
#include "skin/compressed_stored_skin.h"
#include "skin/embedded/embedded_skins.h"
#include "skin/form/skin_form.h"
#include "skin/skin_data.h"

namespace dsp::test {

// Skin 1: main picture 220 x 120, clientrect 6,30,214,114.
inline constexpr int kPictureWidth = 220;
inline constexpr int kPictureHeight = 120;

class SkinFormTest : public ::testing::Test {
  protected:
    SkinFormTest() {
        auto host = std::make_unique<HeadlessHost>();
        host_ = host.get();
        auto clock = std::make_unique<FakeClock>(1000);
        clock_ = clock.get();
        app_ = std::make_unique<TApplication>(std::move(host), std::move(clock));
        host_->SetEcho(false);
        form_ = new TForm(app_.get());
        form_->SetBounds(100, 100, 400, 300);
        form_->SetText("Frame test");
        stored_ = new TbsCompressedStoredSkin(form_);
        LoadEmbeddedSkin(1, *stored_);
        skin_ = new TbsSkinData(form_);
    }
    ~SkinFormTest() override { app_.reset(); }

    // The frame on the form, then the skin loaded: the load's change
    // messages reach the frame through the window.
    void Start(bool alwaysResize = false) {
        frame_ = new TbsSkinForm(form_);
        frame_->SetAlwaysResize(alwaysResize);
        frame_->SetSkinData(skin_);
        skin_->SetCompressedStoredSkin(stored_);
        form_->Show();
        app_->ActivateForm(form_);
        Process();
    }
    void Process() { app_->ProcessMessages(); }
    void Advance(int ms) { AdvanceTime(*app_, *clock_, ms); }
    // Window coordinates to screen coordinates.
    Point At(int x, int y) const { return {form_->Left() + x, form_->Top() + y}; }
    Point At(const Rect& r) const { return At(r.left + r.Width() / 2, r.top + r.Height() / 2); }
    Rect ObjectRect(const char* name) const {
        TbsActiveSkinObject* o = frame_->FindObject(name);
        EXPECT_NE(o, nullptr) << name;
        return o ? o->ObjectRect() : Rect{};
    }
    void ClickAt(Point screen) {
        host_->MouseMove(screen);
        host_->Click(screen);
        Process();
    }

    HeadlessHost* host_ = nullptr;
    FakeClock* clock_ = nullptr;
    std::unique_ptr<TApplication> app_;
    TForm* form_ = nullptr;
    TbsCompressedStoredSkin* stored_ = nullptr;
    TbsSkinData* skin_ = nullptr;
    TbsSkinForm* frame_ = nullptr;
};

}  // namespace dsp::test
