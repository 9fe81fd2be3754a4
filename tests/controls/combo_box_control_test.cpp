#include "controls/combo_box.h"
#include "controls/popup_list_box.h"
#include "controls/scroll_bar.h"
#include "tests/support/form_fixture.h"

namespace dsp::test {
namespace {

class ComboTest : public FormTest {
  protected:
    void SetUp() override {
        combo_ = new TbsSkinComboBox(form_);
        combo_->SetParent(form_);
        combo_->SetBounds(20, 20, 120, 20);
        std::vector<std::string> ports;
        for (int i = 1; i <= 11; ++i) ports.push_back("COM" + std::to_string(i));
        combo_->SetItems(ports);
        combo_->OnChange = [this](TObject*) { log_.push_back("change " + combo_->Text()); };
        combo_->OnClick = [this](TObject*) {
            log_.push_back(std::string("click") + (combo_->ListBox().Visible() ? " (list shown)" : ""));
        };
        combo_->OnCloseUp = [this](TObject*) { log_.push_back("closeup"); };
        Show();
    }
    TbsSkinComboBox* combo_ = nullptr;
};

TEST_F(ComboTest, PickWithTheMouseFiresAfterTheListIsHidden) {
    Click(combo_, 60, 10);
    ASSERT_TRUE(combo_->DroppedDown());
    TbsPopupListBox& list = combo_->ListBox();
    EXPECT_EQ(list.BoundsRect(), Rect::FromOriginSize(120, 140, 120, 8 * 20 + 4));
    EXPECT_TRUE(list.ScrollBar()->Visible());  // eleven items, eight rows
    Point row3 = list.ClientToScreen({30, 2 + 2 * 20 + 5});
    host_->MouseMove(row3);
    host_->Click(row3);
    Process();
    EXPECT_FALSE(combo_->DroppedDown());
    EXPECT_EQ(log_, (std::vector<std::string>{"change COM3", "click", "closeup"}));
    EXPECT_EQ(combo_->ItemIndex(), 2);
}

TEST_F(ComboTest, PressDragReleaseOverTheListAccepts) {
    Press(combo_, 60, 10);
    TbsPopupListBox& list = combo_->ListBox();
    host_->MouseMove(list.ClientToScreen({30, 2 + 4 * 20 + 5}));
    host_->MouseUp(list.ClientToScreen({30, 2 + 4 * 20 + 5}));
    Process();
    EXPECT_EQ(log_, (std::vector<std::string>{"change COM5", "click", "closeup"}));
}

TEST_F(ComboTest, EscapeAndPageKeys) {
    combo_->SetItemIndex(0);
    log_.clear();
    Click(combo_, 60, 10);
    Key(kVkEscape);
    EXPECT_FALSE(combo_->DroppedDown());
    EXPECT_TRUE(log_.empty());
    combo_->SetDropDownCount(3);
    Key(kVkNext);
    EXPECT_EQ(combo_->ItemIndex(), 2);
    Key(kVkDown);
    Key(kVkPrior);
    EXPECT_EQ(combo_->ItemIndex(), 0);
    Key(kVkDown, ssAlt);
    EXPECT_TRUE(combo_->DroppedDown());
    Key(kVkReturn);
    EXPECT_FALSE(combo_->DroppedDown());
    EXPECT_EQ(log_.back(), "closeup");
}

TEST_F(ComboTest, TypeAheadResetsAfterHalfASecond) {
    Click(combo_, 60, 10);
    Key(kVkEscape);
    host_->Type("C");
    Process();
    Advance(200);
    host_->Type("OM1");
    Process();
    Advance(100);
    host_->Type("1");
    Process();
    EXPECT_EQ(combo_->Text(), "COM11");
    Advance(500);
    host_->Type("c");
    Process();
    EXPECT_EQ(combo_->Text(), "COM1");  // a fresh search after COM11 wraps round
}

TEST_F(ComboTest, OpensAboveWhenNoRoomBelow) {
    form_->SetBoundsRect(Rect::FromOriginSize(100, 900, 300, 100));
    Click(combo_, 60, 10);
    Rect list = combo_->ListBox().BoundsRect();
    EXPECT_EQ(list.bottom, 920);
}

TEST_F(ComboTest, LoadingFiresNothingAndDisabledTakesNoInput) {
    combo_->BeginLoading();
    combo_->SetItemIndex(3);
    combo_->EndLoading();
    EXPECT_TRUE(log_.empty());
    combo_->SetEnabled(false);
    Click(combo_, 60, 10);
    EXPECT_FALSE(combo_->DroppedDown());
    combo_->SetItemIndex(3);
    EXPECT_EQ(log_, (std::vector<std::string>{"click"}));
}

}  // namespace
}  // namespace dsp::test
