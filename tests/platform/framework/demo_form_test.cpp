// The demo form driven headless, end to end: injected clicks and keys, and
// the pixels of the in-memory screen.

#include "tools/demo-form/demo_form.h"

#include <cstdlib>

#include "platform/graphics/png_file.h"
#include "tests/support/app_fixture.h"
#include "tests/support/temp_dir.h"

namespace dsp::test {
namespace {

class DemoFormTest : public AppTest {
  protected:
    void SetUp() override {
        form_ = app_->CreateForm<TDemoForm>();
        form_->OnReport = [this](const std::string& s) { reports_.push_back(s); };
        form_->Show();
        Process();
        reports_.clear();
    }
    void TearDown() override { app_.reset(); }
    Point On(TControl* c) { return c->ClientToScreen({10, 10}); }

    TDemoForm* form_ = nullptr;
    std::vector<std::string> reports_;
};

TEST_F(DemoFormTest, ClicksReachButtonsOnlyWhileTheirPanelIsEnabled) {
    host_->Click(On(form_->Button2));
    host_->Click(On(form_->Button1));  // disables Panel1
    host_->Click(On(form_->Button2));
    Process();
    EXPECT_EQ(reports_, (std::vector<std::string>{"click Button2", "click Button1"}));
    EXPECT_TRUE(form_->Button2->Enabled());
    EXPECT_EQ(host_->PixelAt(On(form_->Button2)), ResolveColor(clBtnFace));  // drawn disabled
    host_->Click(On(form_->Button1));
    host_->Click(On(form_->Button2));
    Process();
    EXPECT_EQ(reports_.back(), "click Button2");
    EXPECT_EQ(host_->PixelAt(On(form_->Button2)), ResolveColor(clAqua));
}

TEST_F(DemoFormTest, TheScreenShowsTheFormWithItsCornerCut) {
    Point origin{form_->Left(), form_->Top()};
    EXPECT_EQ(host_->PixelAt(origin + Point{5, 5}), ResolveColor(clSilver));
    EXPECT_EQ(host_->PixelAt(On(form_->Button1)), ResolveColor(clLime));
    EXPECT_EQ(host_->PixelAt(origin + Point{form_->Width() - 5, 5}), ResolveColor(clBlack));
    EXPECT_EQ(host_->PixelAt(origin + Point{form_->Width() - 5, TDemoForm::kCornerCut + 1}),
              ResolveColor(clSilver));
}

TEST_F(DemoFormTest, ThePopupTakesClicksButNotTheFocus) {
    host_->Click(On(form_->Button1));  // focus on Button1
    Point at{form_->Left() + 250, form_->Top() + 150};
    host_->Click(at, TMouseButton::mbRight);
    Process();
    ASSERT_TRUE(form_->Popup1->Visible());
    EXPECT_EQ(form_->Popup1->BoundsRect().TopLeft(), at);
    EXPECT_EQ(host_->PixelAt(at + Point{5, 35}), ResolveColor(clFuchsia));
    host_->Click(at + Point{5, 35});
    Process();
    EXPECT_EQ(reports_.back(), "popup Item2");
    EXPECT_FALSE(form_->Popup1->Visible());
    EXPECT_EQ(app_->ActiveForm(), form_);
    EXPECT_EQ(app_->FocusedControl(), form_->Button1);
}

TEST_F(DemoFormTest, TheScreenSavesAsAPngThatReadsBackTheSame) {
    const std::string path = (TestOutputDir() / "demo_form_screen.png").string();
    host_->SavePng(path);
    Bitmap back = ReadPngFile(path);
    EXPECT_EQ(back, host_->Screen());
    EXPECT_THROW(host_->SavePng("/nonexistent-dir/x.png"), PictureError);
}

TEST_F(DemoFormTest, KeyboardFocusTabsAndSpaceClicksAndEscapeCloses) {
    host_->PressKey(kVkTab);
    Process();
    EXPECT_EQ(app_->FocusedControl(), form_->Button1);
    host_->PressKey(kVkSpace);
    Process();
    EXPECT_EQ(reports_, (std::vector<std::string>{"click Button1"}));
    host_->PressKey(kVkTab);  // Panel1 is disabled now: back to Button1
    Process();
    EXPECT_EQ(app_->FocusedControl(), form_->Button1);
    host_->PressKey(kVkEscape);
    Process();
    EXPECT_EQ(reports_.back(), "close");
    EXPECT_FALSE(form_->Visible());
    EXPECT_TRUE(app_->Terminated());
}

}  // namespace
}  // namespace dsp::test
