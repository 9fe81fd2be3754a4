#include <gtest/gtest.h>

#include "controls/model/panel_model.h"
#include "controls/model/skin_fit.h"

namespace dsp {
namespace {

TEST(SkinFit, ResizeModeFromAnchors) {
    SkinAnchors a;
    EXPECT_EQ(DeriveResizeMode(a), SkinResizeMode::None);
    a.skinRect = {0, 0, 40, 20};
    EXPECT_EQ(DeriveResizeMode(a), SkinResizeMode::Fixed);
    a.leftBottom = {0, 15};
    EXPECT_EQ(DeriveResizeMode(a), SkinResizeMode::Height);
    a.rightTop = {30, 0};
    EXPECT_EQ(DeriveResizeMode(a), SkinResizeMode::Width);
    a.rightBottom = {30, 0}; // one zero coordinate is not enough
    EXPECT_EQ(DeriveResizeMode(a), SkinResizeMode::Width);
    a.rightBottom = {30, 15};
    EXPECT_EQ(DeriveResizeMode(a), SkinResizeMode::Both);
}

TEST(SkinFit, SizesAndMovedAnchors) {
    SkinAnchors a;
    a.skinRect = {10, 10, 30, 110}; // 20 x 100
    a.leftTop = {0, 5};
    a.leftBottom = {0, 90};
    a.clientRect = {2, 5, 18, 90};
    // Height only: a 24 x 112 request keeps the section's width and grows down.
    SkinFit f = CalcSkinSize(a, SkinResizeMode::Height, 24, 112);
    EXPECT_EQ(f.width, 20);
    EXPECT_EQ(f.height, 112);
    EXPECT_EQ(f.leftBottom, (IntPoint{0, 102}));
    EXPECT_EQ(f.clientRect, (IntRect{2, 5, 18, 102}));
    // Width only keeps the section's height whatever is stored.
    a.rightTop = {15, 0};
    SkinFit w = CalcSkinSize(a, SkinResizeMode::Width, 50, 300);
    EXPECT_EQ(w.height, 100);
    EXPECT_EQ(w.rightTop, (IntPoint{45, 0}));
    SkinFit fixed = CalcSkinSize(a, SkinResizeMode::Fixed, 50, 300);
    EXPECT_EQ(fixed.width, 20);
    EXPECT_EQ(fixed.clientRect, a.clientRect);
    a.rightBottom = {15, 90};
    SkinFit both = CalcSkinSize(a, SkinResizeMode::Both, 50, 300);
    EXPECT_EQ(both.rightBottom, (IntPoint{45, 290}));
    EXPECT_EQ(both.clientRect, (IntRect{2, 5, 48, 290}));
}

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
    EXPECT_EQ(p.DefaultClientRect(150, 150), (IntRect{1, 23, 149, 149}));
    EXPECT_EQ(p.DefaultCaptionBar(150), (IntRect{1, 1, 149, 22}));
    p.SetBorderStyle(TbsSkinBorderStyle::bvNone);
    EXPECT_EQ(p.DefaultClientRect(150, 150), (IntRect{0, 22, 150, 150}));
    EXPECT_EQ(p.DefaultCaptionBar(150), (IntRect{0, 0, 150, 22}));
}

} // namespace
} // namespace dsp
