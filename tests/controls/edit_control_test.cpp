#include "controls/numeric_edit.h"
#include "controls/spin_edit.h"
#include "tests/support/form_fixture.h"

namespace dsp::test {
namespace {

class SpinEditTest : public FormTest {
  protected:
    void SetUp() override {
        spin_ = new TbsSkinSpinEdit(form_);
        spin_->SetParent(form_);
        spin_->SetBounds(20, 20, 120, 20);
        spin_->SetMaxValue(64);
        spin_->SetMinValue(20);
        spin_->SetValue(30);
        spin_->OnChange = [this](TObject*) { log_.push_back("change " + spin_->Box().Text()); };
        spin_->OnBeep = [this](TObject*) { log_.push_back("beep"); };
        Show();
    }
    TbsSkinSpinEdit* spin_ = nullptr;
};

TEST_F(SpinEditTest, TypedTextRulesThroughTheInnerBox) {
    Click(&spin_->Box(), 5, 5);
    ASSERT_TRUE(spin_->Box().Focused());
    Key(kVkBack);
    Key(kVkBack);
    host_->Type("5");
    Process();
    EXPECT_EQ(spin_->Box().Text(), "5");
    EXPECT_EQ(spin_->Value(), 20);
    Key(kVkBack);
    host_->Type("70");
    Process();
    EXPECT_EQ(spin_->Box().Text(), "64");
    EXPECT_EQ(spin_->Value(), 64);
    Key(kVkReturn);  // Enter beeps and inserts nothing
    host_->Type("x");
    Process();
    EXPECT_EQ(log_.back(), "beep");
    EXPECT_EQ(spin_->Box().Text(), "64");
    Key(kVkDown);  // steps down
    EXPECT_EQ(spin_->Value(), 63);
}

TEST_F(SpinEditTest, UpButtonHeldForOneSecondThenReleased) {
    log_.clear();
    Press(spin_, 110, 5);
    Advance(1000);
    Release(spin_, 110, 5);
    EXPECT_EQ(spin_->Value(), 36);  // 600, 700, 800, 900, 1000 and the release
    EXPECT_EQ(log_.size(), 6u);
}

TEST_F(SpinEditTest, DisabledSpinEditTakesNoInput) {
    spin_->SetEnabled(false);
    log_.clear();
    Click(spin_, 110, 5);
    Click(&spin_->Box(), 5, 5);
    host_->Type("9");
    Process();
    EXPECT_TRUE(log_.empty());
    EXPECT_EQ(spin_->Value(), 30);
}

TEST_F(FormTest, NumericReadOutShowsValuesAndRefusesTyping) {
    auto* edit = new TbsSkinNumericEdit(form_);
    edit->SetParent(form_);
    edit->SetBounds(10, 10, 33, 18);
    edit->SetReadOnly(true);
    std::vector<std::string> texts;
    int beeps = 0;
    edit->OnChange = [&](TObject*) { texts.push_back(edit->Text()); };
    edit->OnBeep = [&](TObject*) { ++beeps; };
    Show();
    edit->SetValue(-3);
    edit->SetValue(-3);
    Click(edit, 5, 5);
    host_->Type("7");
    Key(kVkBack);
    Process();
    EXPECT_EQ(texts, (std::vector<std::string>{"-3"}));
    EXPECT_EQ(beeps, 2);
    EXPECT_EQ(edit->Text(), "-3");
}

TEST_F(FormTest, NumericEditTypingAndLeaving) {
    auto* edit = new TbsSkinNumericEdit(form_);
    edit->SetParent(form_);
    edit->SetBounds(10, 10, 60, 18);
    edit->SetMaxValue(64);
    edit->SetMinValue(20);
    auto* other = new TbsSkinNumericEdit(form_);
    other->SetParent(form_);
    other->SetBounds(10, 40, 60, 18);
    std::vector<std::string> texts;
    edit->OnChange = [&](TObject*) { texts.push_back(edit->Text()); };
    Show();
    Click(edit, 5, 5);
    Key(kVkBack);
    host_->Type("5");
    Process();
    EXPECT_EQ(edit->Text(), "5");
    EXPECT_EQ(edit->Value(), 20);
    Click(other, 5, 5);  // leaving shows the value
    EXPECT_EQ(edit->Text(), "20");
    EXPECT_EQ(texts, (std::vector<std::string>{"", "5", "20"}));
}

}  // namespace
}  // namespace dsp::test
