// The window's regions in their skins, against golden pictures: the system
// group, the effect options, the input and auxiliary panels and the status
// bar, connected (so the parameter controls and selectors are enabled) and
// with the pointer on the "VCR" selector after its morph has ended.
#include <gtest/gtest.h>

#include "tests/support/control_picture.h"
#include "tests/support/form1_fixture.h"
#include "tests/support/golden.h"

namespace dsp::test {
namespace {

const std::string kGolden = std::string(DSP_TEST_DATA) + "/golden";

class SkinnedRegionsTest : public Form1Test {
  protected:
    Bitmap Region(const char* name) { return ControlPicture(*form_, *Control(name)); }
};

TEST_F(SkinnedRegionsTest, EachRegionShowsItsSkin) {
    Start();
    Connect();
    TControl* vcr = Control("bsSkinButton6");
    host_->MouseMove(vcr->ClientToScreen({10, 10}));
    Process();
    AdvanceTime(*app_, *clock_, 200);
    const GoldenOptions text{48, 60};
    EXPECT_TRUE(MatchesGolden(Region("bsSkinGroupBox1"), kGolden, "region_system", text));
    EXPECT_TRUE(MatchesGolden(Region("bsSkinGroupBox2"), kGolden, "region_effect_options", text));
    EXPECT_TRUE(MatchesGolden(Region("bsSkinPanel2"), kGolden, "region_input", text));
    EXPECT_TRUE(MatchesGolden(Region("bsSkinPanel3"), kGolden, "region_auxiliary", text));
    EXPECT_TRUE(MatchesGolden(Region("bsSkinStatusBar1"), kGolden, "region_status_bar", text));
}

}  // namespace
}  // namespace dsp::test
