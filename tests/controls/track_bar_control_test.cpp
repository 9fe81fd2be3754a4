#include "controls/track_bar.h"
#include "tests/support/form_fixture.h"

namespace dsp::test {
namespace {

class TrackBarTest : public FormTest {
  protected:
    void SetUp() override {
        bar_ = new TbsSkinTrackBar(form_);
        bar_->SetParent(form_);
        bar_->SetVertical(true);
        bar_->SetBounds(34, 47, 20, 112);
        bar_->SetMaxValue(63);
        bar_->SetValue(50);
        bar_->OnChange = [this](TObject*) { log_.push_back("change " + std::to_string(bar_->Value())); };
        bar_->OnLastChange = [this](TObject*) { log_.push_back("last " + std::to_string(bar_->Value())); };
        Show();
    }
    TbsSkinTrackBar* bar_ = nullptr;
};

TEST_F(TrackBarTest, DragFiresOncePerDistinctValueAndLastChangeAtRelease) {
    Rect thumb{bar_->CurrentLayout().thumb.left, bar_->CurrentLayout().thumb.top, 0, 0};
    int y = thumb.top + 2;
    Press(bar_, 10, y);
    EXPECT_TRUE(bar_->Dragging());
    MoveTo(bar_, 10, y - 1);  // 100 px for 63 values: one pixel may not change the value
    MoveTo(bar_, 10, y - 5);
    MoveTo(bar_, 10, y - 5);
    Release(bar_, 10, y - 5);
    EXPECT_FALSE(bar_->Dragging());
    ASSERT_FALSE(log_.empty());
    EXPECT_EQ(log_.back(), "last " + std::to_string(bar_->Value()));
    EXPECT_EQ(bar_->Value(), 53);  // offset 79 + 5 = 84 -> round(63 * 0.84) = 53
    for (size_t i = 1; i + 1 < log_.size(); ++i) EXPECT_NE(log_[i], log_[i - 1]);
}

TEST_F(TrackBarTest, ClickBesideTheThumbAndKeysDoNothingWithoutFocusSupport) {
    Click(bar_, 10, 100);
    Key(kVkUp);
    host_->Wheel(At(bar_, 10, 10), 120);
    Process();
    EXPECT_TRUE(log_.empty());
    EXPECT_EQ(bar_->Value(), 50);
    EXPECT_FALSE(bar_->Focused());
}

TEST_F(TrackBarTest, KeysAndWheelWithCanFocused) {
    bar_->SetCanFocused(true);
    Click(bar_, 10, 100);  // takes the focus
    EXPECT_TRUE(bar_->Focused());
    Key(kVkUp);
    Key(kVkLeft);
    host_->Wheel(At(bar_, 10, 10), 120);  // away from the user: a vertical bar goes up
    Process();
    EXPECT_EQ(log_, (std::vector<std::string>{"change 51", "last 51", "change 50", "last 50", "change 51",
                                              "last 51"}));
}

TEST_F(TrackBarTest, JumpWhenClickMovesTheThumbThere) {
    bar_->SetJumpWhenClick(true);
    Click(bar_, 10, 100);
    // offset = 112 - 100 - 4 - 2 = 6 of 100 -> round(63 * 0.06) = 4
    EXPECT_EQ(bar_->Value(), 4);
    EXPECT_EQ(log_, (std::vector<std::string>{"change 4"}));
}

TEST_F(TrackBarTest, DisabledTakesNoInput) {
    bar_->SetEnabled(false);
    bar_->SetJumpWhenClick(true);
    Click(bar_, 10, 100);
    EXPECT_TRUE(log_.empty());
}

}  // namespace
}  // namespace dsp::test
