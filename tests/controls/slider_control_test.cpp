#include "controls/slider.h"
#include "tests/support/form_fixture.h"

namespace dsp::test {
namespace {

class SliderTest : public FormTest {
  protected:
    void SetUp() override {
        slider_ = new TbsSkinSlider(form_);
        slider_->SetParent(form_);
        slider_->SetBounds(71, 121, 150, 40);
        slider_->SetMaxValue(80);
        slider_->OnChange = [this](TObject*) {
            log_.push_back("change " + std::to_string(slider_->Value()));
        };
        slider_->OnChanged = [this](TObject*) { log_.push_back("changed"); };
        Show();
    }
    TbsSkinSlider* slider_ = nullptr;
};

TEST_F(SliderTest, BuiltInPicturesHaveTheirFixedSizes) {
    EXPECT_EQ(slider_->ImageHThumb().Width(), 18);
    EXPECT_EQ(slider_->ImageHThumb().Height(), 17);
    EXPECT_EQ(slider_->ImageVThumb().Width(), 38);
    EXPECT_EQ(slider_->ImageVThumb().Height(), 9);
    EXPECT_EQ(slider_->Layout().ruler, Rect::FromOriginSize(6, 6 + 4, 138, 8));  // thumb 17 > ruler 8
    EXPECT_EQ(slider_->UserImages(), 0);
    slider_->SetImageHThumb(Bitmap(20, 10));
    EXPECT_EQ(slider_->UserImages(), kUserImageHThumb);
    slider_->SetImageHThumb(Bitmap());
    EXPECT_EQ(slider_->UserImages(), 0);
}

TEST_F(SliderTest, KeysStepToMultiplesAndFireChanged) {
    slider_->SetValue(15);
    Click(slider_, 140, 35);  // focus, beside the ruler band: no step
    ASSERT_TRUE(slider_->Focused());
    log_.clear();
    Key(kVkRight);
    EXPECT_EQ(slider_->Value(), 30);
    slider_->SetValue(15);
    Key(kVkLeft);
    EXPECT_EQ(slider_->Value(), 10);
    Key(kVkUp);  // not a horizontal slider's key
    EXPECT_EQ(log_, (std::vector<std::string>{"change 30", "changed", "change 15", "change 10", "changed"}));
}

TEST_F(SliderTest, RulerPressRepeatsEvery400ms) {
    Rect ruler = slider_->Layout().ruler;
    int y = ruler.top + 2;
    Press(slider_, 120, y);
    EXPECT_EQ(slider_->Value(), 10);
    Advance(399);
    EXPECT_EQ(slider_->Value(), 10);
    Advance(1);
    EXPECT_EQ(slider_->Value(), 20);
    Advance(400);
    Release(slider_, 120, y);
    EXPECT_EQ(log_, (std::vector<std::string>{"change 10", "change 20", "change 30", "changed"}));
}

TEST_F(SliderTest, DragIsNotSnappedWithSmooth) {
    Rect thumb = slider_->ThumbRect();
    Press(slider_, thumb.left + 2, thumb.top + 2);
    EXPECT_TRUE(slider_->ThumbPressed());
    MoveTo(slider_, thumb.left + 2 + 21, thumb.top + 2);
    EXPECT_EQ(slider_->Value(), 13);  // 21 px of a 129-pixel track for 0..80: round(13.02)
    Release(slider_, thumb.left + 23, thumb.top + 2);
    EXPECT_EQ(log_.back(), "changed");
}

TEST_F(SliderTest, OrientationSwapsTheSize) {
    slider_->SetOrientation(TbsSliderOrientation::soVertical);
    EXPECT_EQ(slider_->Width(), 40);
    EXPECT_EQ(slider_->Height(), 150);
}

TEST_F(SliderTest, DisabledTakesNoInput) {
    slider_->SetEnabled(false);
    Rect ruler = slider_->Layout().ruler;
    Click(slider_, 120, ruler.top + 2);
    EXPECT_TRUE(log_.empty());
}

}  // namespace
}  // namespace dsp::test
