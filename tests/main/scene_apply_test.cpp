#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main/scene/apply_plan.h"
#include "main/scene/paced_send.h"

namespace dsp {
namespace {

const CommandRow& Row(std::string_view name) { return *FindParameterName(name); }

std::string Names(const std::vector<PlannedFrame>& plan) {
    std::string s;
    for (const PlannedFrame& f : plan) s += std::string(f.row->name) + "=" + std::to_string(f.value) + " ";
    return s;
}

Scene FullScene() {
    Scene scene;
    for (const CommandRow& row : CommandTable())
        if (IsSceneParameter(row)) scene.Set(row, row.maxValue);
    return scene;
}

TEST(ApplyPlan, SafeOrderDipsTheVolumesThenRaisesThemThroughTheCeilings) {
    Scene scene;
    scene.Set(Row("ECHO"), 20);
    scene.Set(Row("INPUT"), 2);
    scene.Set(Row("MAIN-VOL"), 50);
    scene.Set(Row("MIC-VOL"), 0);
    scene.Set(Row("KEY"), 5);
    scene.Set(Row("MUSIC-VOL-MAX"), 40);
    EXPECT_EQ(Names(PlanApply(scene, {}, ApplyOrder::Safe)),
              "MAIN-VOL=0 MIC-VOL=0 MUSIC-VOL-MAX=40 INPUT=2 ECHO=20 KEY=5 MAIN-VOL=40 ");
    EXPECT_EQ(Names(PlanApply(scene, {}, ApplyOrder::Direct)),
              "ECHO=20 MAIN-VOL=50 MIC-VOL=0 INPUT=2 KEY=5 MUSIC-VOL-MAX=40 ");
    ParamSet safe;
    safe.set(Row("MAIN-VOL").code).set(Row("KEY").code);
    EXPECT_EQ(Names(PlanApply(scene, safe, ApplyOrder::Safe)), "MIC-VOL=0 MUSIC-VOL-MAX=40 INPUT=2 ECHO=20 ");
}

// Over a whole scene: every volume dips before any other frame and rises
// after all of them, every other parameter goes out exactly once, and the
// ceilings come before the selectors, which come before effects, tone and key.
TEST(ApplyPlan, AWholeSceneKeepsTheStagesApart) {
    const std::vector<PlannedFrame> plan = PlanApply(FullScene(), {}, ApplyOrder::Safe);
    ASSERT_EQ(plan.size(), CommandTable().size() - 2 + 5);
    for (std::size_t i = 0; i < plan.size(); ++i) {
        const bool dip = i < 5, rise = i >= plan.size() - 5;
        EXPECT_EQ(IsVolume(*plan[i].row), dip || rise) << i;
        if (dip) {
            EXPECT_EQ(plan[i].value, 0);
        }
        if (rise && CeilingOf(*plan[i].row) == nullptr) {
            EXPECT_EQ(plan[i].value, plan[i].row->maxValue);
        }
    }
    auto at = [&](std::string_view name) {
        return std::find_if(plan.begin() + 5, plan.end(),
                            [&](const PlannedFrame& f) { return f.row->name == name; }) -
               plan.begin();
    };
    EXPECT_LT(at("MUSIC-VOL-MAX"), at("INPUT"));
    EXPECT_LT(at("MIC-VOL-MAX"), at("AUX"));
    EXPECT_LT(at("SW-FREQ"), at("DELAY"));
    EXPECT_LT(at("CENTER"), at("FB-EX"));
    EXPECT_EQ(plan[at("MAIN-VOL")].value, 63);  // under the ceiling of 64
}

// Records when each frame goes out; the write itself takes 4 ms.
struct FakePace final : PaceWait {
    FakeClock clock;
    std::vector<TimeMs> sentAt;
    std::size_t stopBefore = 99;
    bool Until(TimeMs due) override {
        if (sentAt.size() == stopBefore) return false;
        clock.Set(std::max(clock.Now(), due));
        return true;
    }
    bool Send(const PlannedFrame&) {
        sentAt.push_back(clock.Now());
        clock.Advance(4);
        return true;
    }
};

TEST(PacedSend, TheGapRunsFromTheEndOfEachWriteAndAStopComesBetweenFrames) {
    const std::vector<PlannedFrame> plan = PlanApply(FullScene(), {}, ApplyOrder::Direct);
    FakePace pace;
    pace.clock.Set(1000);
    PaceResult all = SendPaced(std::span(plan).first(3), 250, pace.clock, pace,
                               [&](const PlannedFrame& f) { return pace.Send(f); });
    EXPECT_EQ(all.sent, 3u);
    EXPECT_FALSE(all.stopped || all.failed);
    EXPECT_EQ(pace.sentAt, (std::vector<TimeMs>{1000, 1254, 1508}));

    FakePace stopping;
    stopping.stopBefore = 2;
    PaceResult stopped =
        SendPaced(plan, 0, stopping.clock, stopping, [&](const PlannedFrame& f) { return stopping.Send(f); });
    EXPECT_TRUE(stopped.stopped);
    EXPECT_EQ(stopped.sent, 2u);

    int calls = 0;
    PaceResult failed =
        SendPaced(plan, 0, pace.clock, pace, [&](const PlannedFrame&) { return ++calls < 3; });
    EXPECT_TRUE(failed.failed);
    EXPECT_EQ(failed.sent, 2u);
}

}  // namespace
}  // namespace dsp
