// The parameter table and the change bus: every side moves a parameter
// through the window's own handlers, and every change is published once.

#include "main/protocol/frame.h"
#include "tests/support/form1_fixture.h"

namespace dsp::test {
namespace {

TEST(ChangeBus, SubscriptionsEndWithTheirHandleEvenWhilePublishing) {
    auto bus = std::make_unique<ChangeBus>();
    std::vector<std::string> heard;
    ChangeBus::Subscription second;
    ChangeBus::Subscription first = bus->Subscribe([&](const ParamChange& change) {
        heard.push_back("first " + std::to_string(change.value));
        second.Reset();  // the listener after it is not called, not even now
    });
    second = bus->Subscribe(
        [&](const ParamChange& change) { heard.push_back("second " + std::to_string(change.value)); });
    bus->Publish({nullptr, 1, ChangeSource::Osc, 7});
    { ChangeBus::Subscription moved = std::move(first); }
    bus->Publish({nullptr, 2, ChangeSource::Osc, 7});
    EXPECT_EQ(heard, (std::vector<std::string>{"first 1"}));
    ChangeBus::Subscription outlives = bus->Subscribe([](const ParamChange&) {});
    bus.reset();  // a handle may outlive its bus
}

class ParamTableTest : public Form1Test {
  protected:
    void Start() {
        Form1Test::Start();
        subscription_ =
            form_->Changes().Subscribe([this](const ParamChange& change) { heard_.push_back(change); });
    }
    ParamTable& Table() { return form_->Parameters(); }
    const CommandRow& Row(std::string_view name) { return *Table().Find(name); }
    // The changes heard since the last call, as "NAME VALUE source client".
    std::vector<std::string> Heard() {
        std::vector<std::string> lines;
        for (const ParamChange& change : heard_)
            lines.push_back(std::string(change.row->name) + " " + std::to_string(change.value) + " " +
                            std::to_string(static_cast<int>(change.source)) + " " +
                            std::to_string(change.client));
        heard_.clear();
        return lines;
    }

    std::vector<ParamChange> heard_;
    ChangeBus::Subscription subscription_;
};

// Every parameter, moved to each end of its range (a volume only up to its
// ceiling), writes its own frame once, reads back the value it was given and
// is heard once with the source and client that moved it.
TEST_F(ParamTableTest, EverySetWritesItsFrameOnceAndIsHeardOnce) {
    Start();
    Connect();
    ASSERT_EQ(Table().Params().size(), CommandTable().size());
    const int osc = static_cast<int>(ChangeSource::Osc);
    for (const ParamTable::Param& param : Table().Params()) {
        const CommandRow& row = *param.row;
        const int top = row.ceiling >= 0 ? *Table().Value(*FindCommand(row.ceiling)) : row.maxValue;
        for (int value : {row.minValue, top}) {
            if (Table().Value(row) == value && param.buttons.empty() && !param.trigger) continue;  // no move
            ASSERT_TRUE(Table().Set(row, value, ChangeSource::Osc, 42)) << row.name;
            const Frame frame = BuildFrame(row.code, value);
            EXPECT_EQ(Written(4), Bytes(frame.begin(), frame.end())) << row.name << " " << value;
            EXPECT_EQ(Heard(), (std::vector<std::string>{std::string(row.name) + " " + std::to_string(value) +
                                                         " " + std::to_string(osc) + " 42"}));
            EXPECT_EQ(Table().Value(row), value) << row.name;
        }
    }
    EXPECT_TRUE(NothingWritten());
    EXPECT_FALSE(Table().Set(Row("SAVE"), 7, ChangeSource::Osc));
    EXPECT_FALSE(Table().Set(Row("KEY"), -1, ChangeSource::Osc));
    EXPECT_TRUE(Heard().empty());
}

TEST_F(ParamTableTest, AVolumeAboveItsCeilingWritesTheCeilingTwiceAndIsHeardOnce) {
    Start();
    Connect();
    ASSERT_TRUE(Table().Set(Row("MAIN-VOL"), 55, ChangeSource::Web, 3));  // "MUSIC VOL MAX:" is 50
    EXPECT_EQ(Written(8), Frames({{0x80, 0x13, 0x32, 0xA0}, {0x80, 0x13, 0x32, 0xA0}}));
    EXPECT_EQ(Heard(), (std::vector<std::string>{"MAIN-VOL 50 4 3"}));
    EXPECT_EQ(form_->bsSkinNumericEdit18->Text(), "50");
    // The operator's own moves are heard as the window's.
    form_->bsSkinTrackBar2->SetValue(30);
    EXPECT_EQ(Written(4), (Bytes{0x80, 0x14, 0x1E, 0xA0}));
    EXPECT_EQ(Heard(), (std::vector<std::string>{"MIC-VOL 30 0 0"}));
}

TEST_F(ParamTableTest, WithThePortClosedAMovedControlIsHeardAndNothingIsWritten) {
    Start();
    ASSERT_TRUE(Table().Set(Row("DELAY"), 128, ChangeSource::Scene));
    ASSERT_TRUE(Table().Set(Row("KEY"), 0, ChangeSource::Scene));
    ASSERT_TRUE(Table().Set(Row("INPUT"), 1, ChangeSource::Scene));  // a click moves nothing
    ASSERT_TRUE(Table().Press(Row("LOAD"), 3, ChangeSource::Scene));
    EXPECT_TRUE(NothingWritten());
    EXPECT_EQ(Heard(), (std::vector<std::string>{"DELAY 128 2 0", "KEY 0 2 0"}));
    EXPECT_EQ(form_->bsSkinNumericEdit7->Text(), "170");  // as the operator's move: no read-out
    EXPECT_EQ(Table().Value(Row("INPUT")), std::nullopt);
}

TEST_F(ParamTableTest, QuietSetsMoveControlsReadoutsAndCeilingsWithoutWriting) {
    Start();
    Connect();
    ASSERT_TRUE(Table().SetQuietly(Row("MUSIC-BASS"), 0, ChangeSource::Scene));
    ASSERT_TRUE(Table().SetQuietly(Row("MAIN-VOL"), 60, ChangeSource::Scene));
    ASSERT_TRUE(Table().SetQuietly(Row("INPUT"), 2, ChangeSource::Scene));
    EXPECT_FALSE(Table().SetQuietly(Row("LOAD"), 2, ChangeSource::Scene));
    EXPECT_TRUE(NothingWritten());
    EXPECT_EQ(Heard(), (std::vector<std::string>{"MUSIC-BASS 0 2 0", "MAIN-VOL 50 2 0", "INPUT 2 2 0"}));
    EXPECT_EQ(form_->bsSkinNumericEdit4->Text(), "-10");
    EXPECT_EQ(form_->bsSkinTrackBar12->Value(), 50);
    EXPECT_FALSE(form_->bsSkinButton7->Enabled());  // "DVD" marked
    // The next move writes again.
    ASSERT_TRUE(Table().Set(Row("INPUT"), 4, ChangeSource::Scene));
    EXPECT_EQ(Written(4), (Bytes{0x80, 0x1A, 0x04, 0xA0}));
}

}  // namespace
}  // namespace dsp::test
