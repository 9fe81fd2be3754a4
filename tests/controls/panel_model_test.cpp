#include "controls/model/panel_model.h"

#include <gtest/gtest.h>

namespace dsp {
namespace {

TEST(PanelModel, CheckedEnablesChildrenOnlyInCheckedMode) {
    PanelModel p;
    int enabledCalls = 0;
    bool enabled = true;
    int checkedEvents = 0;
    p.SetChildrenEnabled = [&](bool e) {
        ++enabledCalls;
        enabled = e;
    };
    p.OnChecked = [&](PanelModel&) { ++checkedEvents; };
    p.SetChecked(true);
    EXPECT_EQ(enabledCalls, 0);
    p.SetCheckedMode(true);
    p.SetChecked(false);
    EXPECT_FALSE(enabled);
    EXPECT_EQ(checkedEvents, 2);
    // The caption bar click toggles it, but only with a caption.
    p.CaptionClick(100, 23);
    EXPECT_FALSE(p.Checked());
    p.SetCaptionMode(true);
    p.CaptionClick(100, 23);
    EXPECT_TRUE(p.Checked());
    EXPECT_TRUE(enabled);
}

TEST(PanelModel, RollUpFoldsOnlyInRollUpMode) {
    PanelModel p;
    EXPECT_EQ(p.SetRollUpState(true, 150, p.DefaultFoldedHeight()), 150);
    EXPECT_FALSE(p.RollUpState());
    p.SetRollUpMode(true);
    bool visible = true;
    p.SetChildrenVisible = [&](bool v) { visible = v; };
    EXPECT_EQ(p.SetRollUpState(true, 150, p.DefaultFoldedHeight()), 23);
    EXPECT_EQ(p.RealHeight(), 150);
    EXPECT_FALSE(visible);
    EXPECT_EQ(p.SetRollUpState(false, 23, 23), 150);
    EXPECT_EQ(p.RealHeight(), -1);
    EXPECT_TRUE(visible);
}

TEST(PanelModel, DefaultGroupBoxPlacesChildrenBelowItsCaption) {
    PanelModel p;
    p.SetCaptionMode(true);
    EXPECT_EQ(p.DefaultClientRect(150, 150), (Rect{1, 23, 149, 149}));
    EXPECT_EQ(p.DefaultCaptionBar(150), (Rect{1, 1, 149, 22}));
    p.SetBorderStyle(TbsSkinBorderStyle::bvNone);
    EXPECT_EQ(p.DefaultClientRect(150, 150), (Rect{0, 22, 150, 150}));
    EXPECT_EQ(p.DefaultCaptionBar(150), (Rect{0, 0, 150, 22}));
}

}  // namespace
}  // namespace dsp
