#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/model/number_text.h"
#include "controls/model/numeric_edit_value.h"
#include "controls/model/spin_buttons.h"
#include "controls/model/spin_edit_value.h"
#include "tests/controls/fake_timers.h"

namespace dsp {
namespace {

using enum TbsValueType;

TEST(NumberText, FormatsIntegersHalfToEvenAndFixedPoint) {
    EXPECT_EQ(FormatNumber(2.5, vtInteger, 2), "2");
    EXPECT_EQ(FormatNumber(3.5, vtInteger, 2), "4");
    EXPECT_EQ(FormatNumber(-2.5, vtInteger, 2), "-2");
    EXPECT_EQ(FormatNumber(-0.4, vtInteger, 2), "0");
    EXPECT_EQ(FormatNumber(-3, vtInteger, 2), "-3");
    EXPECT_EQ(FormatNumber(1e12, vtInteger, 2), "1000000000000");
    EXPECT_EQ(FormatNumber(1.5, vtFloat, 2), "1.50");
    EXPECT_EQ(FormatNumber(2.675, vtFloat, 2), "2.68");  // decided on 15 digits, not on binary
    EXPECT_EQ(FormatNumber(9.996, vtFloat, 2), "10.00");
    EXPECT_EQ(FormatNumber(-0.001, vtFloat, 2), "0.00");
    EXPECT_EQ(FormatNumber(-1.25, vtFloat, 1), "-1.3");
    EXPECT_EQ(FormatNumber(0.05, vtFloat, 3, ','), "0,050");
    EXPECT_EQ(FormatNumber(7, vtFloat, 0), "7");
}

TEST(NumberText, ValidityAndParsing) {
    for (const char* bad : {"", "-", "1-", "--1", "a", "1 ", "+1"}) {
        EXPECT_FALSE(IsNumberText(bad, vtFloat)) << bad;
    }
    EXPECT_FALSE(IsNumberText("1.5", vtInteger));
    EXPECT_FALSE(IsNumberText(".5", vtFloat));
    EXPECT_FALSE(IsNumberText("1.2.3", vtFloat));
    EXPECT_EQ(ParseNumber("-.5", vtFloat), -0.5);
    EXPECT_EQ(ParseNumber("5.", vtFloat), 5.0);
    EXPECT_EQ(ParseNumber("1,5", vtFloat, ','), 1.5);
    EXPECT_EQ(ParseNumber("-042", vtInteger), -42.0);
    // Longer than any 32-bit integer: read as a number, to be clamped.
    EXPECT_EQ(ParseNumber("99999999999", vtInteger), 99999999999.0);
}

struct SpinLog {
    std::vector<double> changes;
    void Attach(SpinEditValue& s) {
        s.OnChange = [this](SpinEditValue& v) { changes.push_back(v.Value()); };
    }
};

TEST(SpinEditValue, FiresOnEverySetButNotFromItsOwnHandler) {
    SpinEditValue s;
    s.SetMaxValue(64);
    s.SetMinValue(20);
    EXPECT_EQ(s.Value(), 20);
    SpinLog log;
    log.Attach(s);
    s.SetValue(30);
    s.SetValue(30);
    EXPECT_EQ(log.changes, (std::vector<double>{30, 30}));
    int calls = 0;
    s.OnChange = [&](SpinEditValue& v) {
        ++calls;
        if (v.Value() > 50) v.SetValue(50);
    };
    s.SetValue(60);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(s.Value(), 50);
    EXPECT_EQ(s.BoxText(), "50");
    EXPECT_EQ(s.Text(), "50");
}

TEST(SpinEditValue, EqualBoundsMeanNoBounds) {
    SpinEditValue s;
    s.SetValue(-12345);
    EXPECT_EQ(s.Value(), -12345);
    s.SetValue(2.5);
    EXPECT_EQ(s.BoxText(), "2");
    s.SetValue(3.5);
    EXPECT_EQ(s.BoxText(), "4");
}

TEST(SpinEditValue, TypedTextBelowMinimumStaysAboveMaximumIsRewritten) {
    SpinEditValue s;
    s.SetMinValue(20);
    s.SetMaxValue(64);
    s.SetValue(30);
    SpinLog log;
    log.Attach(s);
    s.SetBoxText("5");
    EXPECT_EQ(s.BoxText(), "5");
    EXPECT_EQ(s.Value(), 20);
    s.SetBoxText("57");  // a longer number can still be typed
    EXPECT_EQ(s.Value(), 57);
    s.SetBoxText("70");
    EXPECT_EQ(s.BoxText(), "64");
    EXPECT_EQ(s.Value(), 64);
    EXPECT_EQ(log.changes, (std::vector<double>{20, 57, 64}));
    s.SetBoxText("-");  // partial text changes nothing
    s.SetBoxText("");
    EXPECT_EQ(s.Value(), 64);
    s.SetBoxText("5");
    s.EditExit();
    EXPECT_EQ(s.BoxText(), "20");
}

TEST(SpinEditValue, NegativeTextUnderPositiveMinimumIsRewritten) {
    SpinEditValue s;
    s.SetMinValue(20);
    s.SetMaxValue(64);
    s.SetBoxText("-3");
    EXPECT_EQ(s.BoxText(), "20");
    SpinEditValue n;  // -10..-2: "-15" rewritten, "-1" rewritten, "5" rewritten
    n.SetMinValue(-10);
    n.SetMaxValue(-2);
    n.SetBoxText("-15");
    EXPECT_EQ(n.BoxText(), "-10");
    n.SetBoxText("5");
    EXPECT_EQ(n.BoxText(), "-2");
}

TEST(SpinEditValue, ValueTypeRoundsTheStep) {
    SpinEditValue s;
    s.SetValueType(vtFloat);
    s.SetIncrement(0.4);
    s.SetValueType(vtInteger);
    EXPECT_EQ(s.Increment(), 1.0);
    s.SetValueType(vtFloat);
    s.SetIncrement(2.5);
    s.SetValueType(vtInteger);
    EXPECT_EQ(s.Increment(), 2.0);
}

TEST(SpinEditValue, KeyFilterAndWheel) {
    SpinEditValue s;
    EXPECT_TRUE(s.AcceptsKey(U'7'));
    EXPECT_TRUE(s.AcceptsKey(8));    // backspace
    EXPECT_FALSE(s.AcceptsKey(13));  // Enter beeps
    EXPECT_FALSE(s.AcceptsKey(U'.'));
    EXPECT_FALSE(s.AcceptsKey(U'a'));
    s.SetValue(-4);
    EXPECT_FALSE(s.AcceptsKey(U'-'));
    s.SetValueType(vtFloat);
    s.SetValue(1.5);
    EXPECT_FALSE(s.AcceptsKey(U'.'));
    s.SetValue(2);
    EXPECT_FALSE(s.AcceptsKey(U'.'));  // "2.00" has one already
    s.SetEditorEnabled(false);
    EXPECT_FALSE(s.AcceptsKey(U'1'));
    EXPECT_FALSE(s.AcceptsKey(8));
    EXPECT_TRUE(s.AcceptsKey(3));  // copy still works

    SpinEditValue w;
    w.Wheel(WheelParam(120, 0));
    EXPECT_EQ(w.Value(), -1);
    w.Wheel(WheelParam(-120, 0));
    w.Wheel(WheelParam(-120, 0));
    EXPECT_EQ(w.Value(), 1);
}

TEST(SpinButtons, HeldForOneSecondStepsAt600To1000AndOnRelease) {
    test::FakeTimers timers;
    SpinButtons buttons(timers);
    auto layout = SpinButtons::DefaultLayout(120, 20, 14);
    EXPECT_EQ(layout.buttons[0], (Rect{103, 2, 118, 10}));
    EXPECT_EQ(layout.buttons[1], (Rect{103, 10, 118, 18}));
    EXPECT_EQ(layout.box, Rect::FromOriginSize(2, 3, 101, 14));
    buttons.SetButtons(layout.buttons);
    std::vector<long long> steps;
    buttons.Step = [&](int dir) {
        EXPECT_EQ(dir, 1);
        steps.push_back(timers.Now());
    };
    timers.Deliver = [&](int id) { buttons.OnTimer(id); };
    buttons.Press({110, 5});
    EXPECT_TRUE(buttons.Pressed(0));
    timers.Advance(1000);
    buttons.Release({110, 5});
    EXPECT_EQ(steps, (std::vector<long long>{600, 700, 800, 900, 1000, 1000}));
    EXPECT_FALSE(timers.Running(SpinButtons::kTimerId));
}

TEST(SpinButtons, LeavingStopsReturningRepeatsAt50ms) {
    test::FakeTimers timers;
    SpinButtons buttons(timers);
    buttons.SetButtons(SpinButtons::DefaultLayout(120, 20, 14).buttons);
    std::vector<long long> steps;
    buttons.Step = [&](int dir) {
        EXPECT_EQ(dir, -1);
        steps.push_back(timers.Now());
    };
    timers.Deliver = [&](int id) { buttons.OnTimer(id); };
    buttons.Press({110, 15});
    timers.Advance(200);
    buttons.MouseMove({50, 15});  // off the button: no steps
    timers.Advance(1000);
    EXPECT_TRUE(steps.empty());
    buttons.MouseMove({110, 15});  // t = 1200
    timers.Advance(120);
    EXPECT_EQ(steps, (std::vector<long long>{1250, 1300}));
    buttons.MouseMove({50, 15});
    buttons.Release({50, 15});  // off the button: no step at release
    EXPECT_EQ(steps.size(), 2u);
    EXPECT_FALSE(buttons.Hover(1));
}

TEST(SpinButtons, PlainClickStepsOnceAtRelease) {
    test::FakeTimers timers;
    SpinButtons buttons(timers);
    buttons.SetButtons(SpinButtons::DefaultLayout(120, 20, 14).buttons);
    int steps = 0;
    buttons.Step = [&](int) { ++steps; };
    buttons.Press({110, 5});
    EXPECT_EQ(steps, 0);
    buttons.Release({110, 5});
    EXPECT_EQ(steps, 1);
    EXPECT_TRUE(buttons.Hover(0));
    EXPECT_FALSE(buttons.Pressed(0));
}

TEST(NumericEditValue, FiresOnlyWhenTheTextChanges) {
    NumericEditValue e;
    std::vector<std::string> texts;
    e.OnChange = [&](NumericEditValue& v) { texts.push_back(v.Text()); };
    e.SetValue(0);  // "0" already shown
    e.SetValue(-3);
    e.SetValue(-3);
    e.SetValue(-3.4);  // still "-3"
    EXPECT_EQ(texts, (std::vector<std::string>{"-3"}));
    EXPECT_EQ(e.Value(), -3.4);
    e.SetMinValue(0);
    e.SetMaxValue(10);
    e.SetDecimal(1);
    EXPECT_EQ(e.Value(), -3.4);  // settings only stored
    EXPECT_EQ(e.Text(), "-3");
    e.SetValue(12);
    EXPECT_EQ(e.Text(), "10");
}

TEST(NumericEditValue, TypedTextAndFocusLoss) {
    NumericEditValue e;
    e.SetMinValue(20);
    e.SetMaxValue(64);
    std::vector<std::string> texts;
    e.OnChange = [&](NumericEditValue& v) { texts.push_back(v.Text()); };
    e.SetText("5");
    EXPECT_EQ(e.Text(), "5");
    EXPECT_EQ(e.Value(), 20);
    e.SetText("70");
    EXPECT_EQ(e.Text(), "64");
    EXPECT_EQ(texts, (std::vector<std::string>{"5", "64"}));
    e.SetText("3");
    e.FocusLost();
    EXPECT_EQ(e.Text(), "20");

    NumericEditValue f;
    f.SetValueType(vtFloat);
    f.SetValue(1.256);
    EXPECT_EQ(f.Text(), "1.26");
    int changes = 0;
    f.OnChange = [&](NumericEditValue&) { ++changes; };
    f.FocusLost();  // the shown rounding becomes the value
    EXPECT_EQ(f.Value(), 1.26);
    EXPECT_EQ(changes, 1);
}

TEST(NumericEditValue, ReadOnlyRejectsTypingButShowsValues) {
    NumericEditValue e;
    e.SetReadOnly(true);
    EXPECT_FALSE(e.AcceptsKey(U'5'));
    EXPECT_FALSE(e.AcceptsKey(8));
    EXPECT_FALSE(e.AcceptsKey(13));
    e.SetValue(42);
    EXPECT_EQ(e.Text(), "42");
    e.SetSupportUpDownKeys(true);
    e.SetIncrement(2);
    e.KeyDown(NavKey::Up);
    EXPECT_EQ(e.Text(), "44");
}

}  // namespace
}  // namespace dsp
