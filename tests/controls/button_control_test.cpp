#include "controls/button.h"
#include "controls/combo_box.h"
#include "controls/scroll_bar.h"
#include "tests/support/form_fixture.h"

namespace dsp::test {
namespace {

class ButtonControlTest : public FormTest {
  protected:
    void SetUp() override {
        button_ = new TbsSkinButton(form_);
        button_->SetParent(form_);
        button_->SetBounds(4, 31, 82, 25);
        button_->SetCaption("Connect");
        button_->OnClick = [this](TObject*) {
            log_.push_back("click @" + std::to_string(clock_->Now() - 1000));
        };
        Show();
    }
    TbsSkinButton* button_ = nullptr;
};

TEST_F(ButtonControlTest, PressMoveOffReleaseGivesNoClick) {
    Press(button_, 10, 10);
    MoveTo(button_, 200, 10);
    Release(button_, 200, 10);
    EXPECT_TRUE(log_.empty());
    Press(button_, 10, 10);
    MoveTo(button_, 200, 10);
    MoveTo(button_, 10, 10);
    Release(button_, 10, 10);
    EXPECT_EQ(log_.size(), 1u);
}

TEST_F(ButtonControlTest, RepeatModeOnTheWindowTimers) {
    button_->SetRepeatMode(true);
    Press(button_, 10, 10);
    Advance(1250);
    Release(button_, 10, 10);
    EXPECT_EQ(log_, (std::vector<std::string>{"click @600", "click @700", "click @800", "click @900",
                                              "click @1000", "click @1100", "click @1200", "click @1250"}));
}

TEST_F(ButtonControlTest, SpaceAndEnterClickTheFocusedButton) {
    ASSERT_TRUE(button_->SetFocus());
    host_->KeyDown(kVkSpace);
    Process();
    EXPECT_TRUE(button_->Down());
    host_->KeyUp(kVkSpace);
    Process();
    Key(kVkReturn);
    EXPECT_EQ(log_.size(), 2u);
    button_->SetEnabled(false);
    Key(kVkReturn);
    Click(button_, 10, 10);
    EXPECT_EQ(log_.size(), 2u);
}

TEST_F(ButtonControlTest, DefaultAndCancelAnswerEnterAndEscapeInTheForm) {
    auto* combo = new TbsSkinComboBox(form_);
    combo->SetParent(form_);
    combo->SetBounds(100, 31, 120, 20);
    auto* cancel = new TbsSkinButton(form_);
    cancel->SetParent(form_);
    cancel->SetBounds(4, 63, 82, 25);
    cancel->SetCancel(true);
    cancel->OnClick = [this](TObject*) { log_.push_back("cancel"); };
    button_->SetDefault(true);
    ASSERT_TRUE(combo->SetFocus());
    Key(kVkReturn);
    Key(kVkEscape);
    EXPECT_EQ(log_, (std::vector<std::string>{"click @0", "cancel"}));
}

TEST_F(FormTest, ScrollBarArrowsRepeatAndTheThumbDrags) {
    auto* bar = new TbsSkinScrollBar(form_);
    bar->SetParent(form_);
    bar->SetKind(ScrollBarKind::sbVertical);
    bar->SetBounds(10, 10, 18, 164);
    std::vector<int> positions;
    bar->OnChange = [&](TObject*) { positions.push_back(bar->Position()); };
    Show();
    Press(bar, 8, 160);  // the down arrow
    Advance(560);
    Release(bar, 8, 160);
    EXPECT_EQ(positions, (std::vector<int>{1, 2, 3}));
    Rect thumb = bar->Parts().thumb;
    Press(bar, 8, thumb.top + 4);
    MoveTo(bar, 8, thumb.top + 4 + 57);
    Release(bar, 8, thumb.top + 4 + 57);
    EXPECT_EQ(bar->Position(), 53);  // 3 + 57 px of 114 -> round(100 * 60 / 114)
}

}  // namespace
}  // namespace dsp::test
