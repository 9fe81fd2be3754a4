#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/model/combo_box_geometry.h"
#include "controls/model/combo_box_model.h"
#include "controls/model/drop_down_geometry.h"
#include "controls/model/wheel.h"
#include "tests/controls/fake_timers.h"

namespace dsp {
namespace {

std::vector<std::string> Ports() {
    std::vector<std::string> items;
    for (int i = 1; i <= 9; ++i) items.push_back("COM" + std::to_string(i));
    items.push_back("CAN");
    items.push_back("OFF");
    return items;
}

struct ComboFixture : ::testing::Test {
    test::FakeTimers timers;
    ComboBoxModel combo{timers};
    std::vector<std::string> log;
    bool shown = false;

    void SetUp() override {
        combo.SetItems(Ports());
        combo.OnChange = [this](ComboBoxModel& c) { log.push_back("change " + c.Text()); };
        combo.OnClick = [this](ComboBoxModel& c) { log.push_back("click " + std::to_string(c.ItemIndex())); };
        combo.OnCloseUp = [this](ComboBoxModel&) { log.push_back("closeup"); };
        combo.OnShowList = [this](ComboBoxModel&) { shown = true; };
        combo.OnHideList = [this](ComboBoxModel&) {
            shown = false;
            log.push_back("hidden");
        };
        combo.Environment = [] {
            DropDownEnvironment env;
            env.combo = Rect::FromOriginSize(100, 100, 120, 20);
            env.workArea = {0, 0, 1280, 1024};
            return env;
        };
        timers.Deliver = [this](int id) { combo.OnTimer(id); };
    }
};

TEST_F(ComboFixture, SettingTheSameIndexClicksWithoutChange) {
    combo.SetItemIndex(2);
    combo.SetItemIndex(2);
    EXPECT_EQ(log, (std::vector<std::string>{"change COM3", "click 2", "click 2"}));
    // Out of range: nothing selected, the text stays.
    log.clear();
    combo.SetItemIndex(40);
    EXPECT_EQ(combo.ItemIndex(), -1);
    EXPECT_EQ(combo.Text(), "COM3");
    EXPECT_EQ(log, (std::vector<std::string>{"click -1"}));
}

TEST_F(ComboFixture, LoadingFiresNothing) {
    combo.SetLoading(true);
    combo.SetItemIndex(4);
    combo.SetLoading(false);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(combo.Text(), "COM5");
}

TEST_F(ComboFixture, EscapeClosesWithoutEventsAcceptFiresInOrderAfterHiding) {
    combo.SetItemIndex(0);
    log.clear();
    combo.PressOnDropArea();
    EXPECT_TRUE(shown);
    combo.Release(false);  // a plain click leaves the list open
    EXPECT_TRUE(combo.Dropped());
    combo.ListMove({150, 100 + 20 + 2 + 3 * 20 + 5});  // row 3
    EXPECT_EQ(combo.ItemIndex(), 3);
    EXPECT_TRUE(combo.KeyDown(NavKey::Escape, false));
    EXPECT_FALSE(shown);
    EXPECT_EQ(combo.ItemIndex(), 0);  // the saved index is back
    EXPECT_EQ(log, (std::vector<std::string>{"hidden"}));

    log.clear();
    combo.PressOnDropArea();
    combo.Release(false);
    combo.ListMove({150, 100 + 20 + 2 + 3 * 20 + 5});
    combo.ListPress();
    combo.Release(true);
    EXPECT_EQ(log, (std::vector<std::string>{"hidden", "change COM4", "click 3", "closeup"}));
    EXPECT_EQ(combo.ItemIndex(), 3);
}

TEST_F(ComboFixture, PressDragReleaseSelectsAndAutoScrolls) {
    combo.SetItemIndex(0);
    log.clear();
    combo.PressOnDropArea();
    EXPECT_EQ(combo.List().Rows(), 8);
    const Rect list = combo.ListRect();
    EXPECT_EQ(list, Rect::FromOriginSize(100, 120, 120, 8 * 20 + 4));
    // Below the list before the pointer was ever on it: nothing scrolls.
    combo.HeldMove({150, list.bottom + 10});
    EXPECT_EQ(combo.AutoScrollDirection(), 0);
    combo.HeldMove({150, list.top + 2 + 7 * 20 + 1});
    EXPECT_EQ(combo.ItemIndex(), 7);
    combo.HeldMove({150, list.bottom + 10});
    timers.Advance(24);
    EXPECT_EQ(combo.ItemIndex(), 7);
    timers.Advance(1);
    EXPECT_EQ(combo.ItemIndex(), 8);
    EXPECT_EQ(combo.List().TopIndex(), 1);
    timers.Advance(200);  // stops at the last item
    EXPECT_EQ(combo.ItemIndex(), 10);
    EXPECT_TRUE(log.empty());
    combo.Release(false);  // released off the list: cancel
    EXPECT_EQ(combo.ItemIndex(), 0);
    EXPECT_FALSE(timers.Running(ComboBoxModel::kAutoScrollTimerId));
    EXPECT_EQ(log, (std::vector<std::string>{"hidden"}));
}

TEST_F(ComboFixture, KeyboardTable) {
    std::vector<std::string> many;
    for (int i = 0; i < 20; ++i) many.push_back("item" + std::to_string(i));
    combo.SetItems(many);
    combo.SetItemIndex(12);
    combo.KeyDown(NavKey::PageUp, false);
    EXPECT_EQ(combo.ItemIndex(), 3);
    combo.KeyDown(NavKey::PageDown, false);
    EXPECT_EQ(combo.ItemIndex(), 10);
    combo.KeyDown(NavKey::PageDown, false);
    combo.KeyDown(NavKey::PageDown, false);
    EXPECT_EQ(combo.ItemIndex(), 19);
    log.clear();
    combo.KeyDown(NavKey::Down, false);  // at the last item nothing happens
    EXPECT_TRUE(log.empty());
    combo.KeyDown(NavKey::Up, false);
    EXPECT_EQ(log, (std::vector<std::string>{"change item18", "click 18"}));
    combo.KeyDown(NavKey::Down, true);
    EXPECT_TRUE(combo.Dropped());
    combo.KeyDown(NavKey::Right, false);  // while open: the setter, events at once
    EXPECT_EQ(combo.ItemIndex(), 19);
    combo.KeyDown(NavKey::Up, true);
    EXPECT_FALSE(combo.Dropped());
    EXPECT_EQ(combo.ItemIndex(), 19);  // the saved index followed the key
}

TEST_F(ComboFixture, TypeAheadWithHalfSecondReset) {
    combo.KeyChar("C", 1000);
    EXPECT_EQ(combo.Text(), "COM1");
    combo.KeyChar("O", 1200);
    combo.KeyChar("M", 1400);
    combo.KeyChar("3", 1899);
    EXPECT_EQ(combo.Text(), "COM3");
    combo.KeyChar("c", 2399);  // 500 ms later: a fresh one-letter search after COM3
    EXPECT_EQ(combo.Text(), "COM4");
    combo.SetItemIndex(8);
    combo.KeyChar("c", 5000);
    EXPECT_EQ(combo.Text(), "CAN");
    combo.KeyChar("c", 6000);  // wraps round
    EXPECT_EQ(combo.Text(), "COM1");
    combo.KeyChar("x", 7000);  // no match: unchanged
    EXPECT_EQ(combo.Text(), "COM1");
    combo.SetAutoComplete(false);
    combo.KeyChar("o", 7001);
    EXPECT_EQ(combo.Text(), "OFF");
}

TEST_F(ComboFixture, WheelMovesSelectionOrOnlyTheHighlight) {
    combo.SetItemIndex(3);
    log.clear();
    combo.Wheel(WheelParam(120, 0));
    EXPECT_EQ(combo.ItemIndex(), 2);
    combo.Wheel(WheelParam(-120, 0));
    EXPECT_EQ(log, (std::vector<std::string>{"change COM3", "click 2", "change COM4", "click 3"}));
    combo.DropDown();
    log.clear();
    combo.Wheel(WheelParam(-120, 0));
    EXPECT_EQ(combo.ItemIndex(), 4);
    EXPECT_TRUE(log.empty());
    combo.FocusLost();
    EXPECT_EQ(combo.ItemIndex(), 3);
}

TEST_F(ComboFixture, EmptyComboNeverOpens) {
    combo.SetItems({});
    combo.DropDown();
    EXPECT_FALSE(shown);
    EXPECT_FALSE(combo.Dropped());
}

TEST(DropDownGeometry, SizesAndOpensAboveNearTheBottom) {
    DropDownInput in;
    in.combo = Rect::FromOriginSize(10, 900, 120, 20);
    in.workArea = {0, 0, 1280, 1024};
    in.itemCount = 11;
    EXPECT_EQ(DropDownRect(in), Rect::FromOriginSize(10, 920 - 164 - 20, 120, 164));
    in.itemCount = 4;
    in.listBoxWidth = 200;
    EXPECT_EQ(DropDownRect(in), Rect::FromOriginSize(10, 920, 200, 84));
    in.sectionFrameHeight = 6;  // a list section
    in.itemHeight = 18;
    EXPECT_EQ(DropDownRect(in).Height(), 6 + 4 * 18);
    in.combo = Rect::FromOriginSize(10, 100, 120, 20);
    in.itemCount = 11;
    EXPECT_EQ(DropDownRect(in).top, 120);
}

TEST(ComboBoxGeometry, DefaultAndSkinnedParts) {
    ComboBoxParts d = DefaultComboBoxParts(120, 20);
    EXPECT_EQ(d.button, (Rect{101, 2, 118, 18}));
    EXPECT_EQ(d.textArea, (Rect{2, 2, 100, 18}));
    ComboBoxSkinGeometry s{60, 42, {43, 2, 58, 18}, {3, 3, 42, 17}};
    ComboBoxParts k = SkinnedComboBoxParts(150, s);
    EXPECT_EQ(k.button, (Rect{133, 2, 148, 18}));
    EXPECT_EQ(k.textArea, (Rect{3, 3, 132, 17}));
    // A button left of the right anchor column stays where the section has it.
    s.buttonRect = {1, 2, 16, 18};
    EXPECT_EQ(SkinnedComboBoxParts(150, s).button, s.buttonRect);
}

}  // namespace
}  // namespace dsp
