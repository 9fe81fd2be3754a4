// The skin link: finding a section by its exact name and kind, what a control
// does when its skin data goes away, and how skin changes reach exactly the
// controls that draw from the changing skin.
#include "controls/skin_link.h"

#include <gtest/gtest.h>

#include "controls/bevel.h"
#include "controls/button.h"
#include "controls/label.h"
#include "controls/panel.h"
#include "skin/data_skin_buttons.h"
#include "skin/data_skin_tracks.h"
#include "skin/embedded/embedded_skins.h"
#include "skin/skin_change_relay.h"
#include "skin/skin_data.h"
#include "tests/support/form_fixture.h"

namespace dsp {
namespace {

// A window that passes skin changes on, as the panel window does.
class RelayForm : public TForm {
  public:
    using TForm::TForm;

  protected:
    void WndProc(TMessage& message) override {
        RelaySkinChange(*this, message);
        TForm::WndProc(message);
    }
};

// A button that logs what the link tells it, with the index it then holds.
class LoggingButton : public TbsSkinButton {
  public:
    LoggingButton(TComponent* owner, std::vector<std::string>& log) : TbsSkinButton(owner), log_(log) {}
    void ForgetSkinData() override {
        TbsSkinButton::ForgetSkinData();
        log_.push_back(Name() + " forget " + std::to_string(SkinIndex()));
    }
    void ApplySkinData() override {
        TbsSkinButton::ApplySkinData();
        log_.push_back(Name() + " apply " + std::to_string(SkinIndex()));
    }

  private:
    std::vector<std::string>& log_;
};

class SkinLinkTest : public test::FormTest {
  protected:
    static void LoadSkin(TbsSkinData& data, int number) {
        TbsCompressedStoredSkin stored;
        LoadEmbeddedSkin(number, stored);
        data.LoadFromCompressedStoredSkin(stored);
    }
};

TEST_F(SkinLinkTest, FindsTheSectionByItsExactNameAndHandsItOutTyped) {
    TbsSkinData data;
    SkinLink link("trackbar");
    link.SetSkinData(&data);
    EXPECT_EQ(link.Read(), -1);  // nothing loaded yet
    LoadSkin(data, 2);
    EXPECT_EQ(link.Read(), data.FindControl("trackbar"));
    ASSERT_GE(link.Index(), 0);
    EXPECT_NE(link.Section<TbsDataSkinTrackBarControl>(), nullptr);
    EXPECT_EQ(link.Section<TbsDataSkinButtonControl>(), nullptr);

    link.SetSkinDataName("TrackBar");
    EXPECT_EQ(link.SectionData(), nullptr);  // the name no longer matches what was found
    EXPECT_EQ(link.Read(), -1);
    link.SetSkinDataName("trackbar");
    link.Read();
    link.Forget();
    EXPECT_EQ(link.Index(), -1);
    EXPECT_EQ(link.SectionData(), nullptr);
}

TEST_F(SkinLinkTest, SetSkinDataAppliesOnlyALoadedSkin) {
    std::vector<std::string> log;
    auto* button = new LoggingButton(form_, log);
    button->SetName("b");
    button->SetParent(form_);
    TbsSkinData empty;
    button->SetSkinData(&empty);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(button->SkinIndex(), -1);

    TbsSkinData loaded;
    LoadSkin(loaded, 3);
    button->SetSkinData(&loaded);
    EXPECT_EQ(log, std::vector<std::string>{"b apply 0"});
}

TEST_F(SkinLinkTest, ControlsForgetASkinDataObjectThatIsDestroyed) {
    auto* data = new TbsSkinData(form_);
    LoadSkin(*data, 1);
    auto* button = new TbsSkinButton(form_);
    auto* label = new TbsSkinStdLabel(form_);
    auto* bevel = new TbsSkinBevel(form_);
    for (TControl* c : std::initializer_list<TControl*>{button, label, bevel}) c->SetParent(form_);
    button->SetSkinData(data);
    label->SetSkinData(data);
    bevel->SetSkinData(data);
    EXPECT_GE(button->SkinIndex(), 0);
    EXPECT_GE(label->SkinIndex(), 0);
    EXPECT_GE(bevel->SkinIndex(), 0);

    delete data;
    for (const SkinLinked* linked : std::initializer_list<const SkinLinked*>{button, label, bevel}) {
        EXPECT_EQ(linked->SkinData(), nullptr);
        EXPECT_EQ(linked->SkinIndex(), -1);
    }
    EXPECT_EQ(button->SkinDataName(), "button");
    // Painting afterwards reads no freed skin.
    Show();
    EXPECT_EQ(button->PaintToBitmap().Width(), button->Width());
}

TEST_F(SkinLinkTest, SkinChangesReachOnlyTheControlsOfTheChangingSkin) {
    auto* form = app_->CreateForm<RelayForm>();
    auto* first = new TbsSkinData(form);
    auto* second = new TbsSkinData(form);
    LoadSkin(*first, 1);
    LoadSkin(*second, 3);
    std::vector<std::string> log;
    auto* panel = new TbsSkinPanel(form);
    panel->SetParent(form);
    auto* a = new LoggingButton(form, log);
    auto* b = new LoggingButton(form, log);
    a->SetName("a");
    b->SetName("b");
    a->SetParent(panel);  // found through its container
    b->SetParent(form);
    a->SetSkinData(first);
    b->SetSkinData(second);
    log.clear();

    LoadSkin(*first, 1);
    // Forgotten before the change (default look while loading), found again
    // once the new data is in place.
    EXPECT_EQ(log, (std::vector<std::string>{"a forget -1", "a apply 0"}));
}

}  // namespace
}  // namespace dsp
