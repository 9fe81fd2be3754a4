// Timers under the fake clock, and the loop's waiting and waking.

#include <atomic>
#include <thread>

#include "tests/platform/framework/probe.h"
#include "tests/support/app_fixture.h"

namespace dsp::test {
namespace {

using Log = std::vector<std::string>;

class TimerTest : public AppTest {
  protected:
    void SetUp() override {
        form_ = NewForm(Rect::FromOriginSize(0, 0, 100, 100));
        probe_ = new Probe(form_, form_, Rect::FromOriginSize(0, 0, 10, 10), &log_);
        probe_->SetName("P");
    }
    TForm* form_ = nullptr;
    Probe* probe_ = nullptr;
    Log log_;
};

TEST_F(TimerTest, ARepeatingTimerTicksOnEveryIntervalAndStopsWhenKilled) {
    probe_->SetTimer(1, 400);  // set at 1000
    Advance(399);
    EXPECT_TRUE(log_.empty());
    Advance(1);
    Advance(800);
    EXPECT_EQ(log_, (Log{"P:timer 1 @1400", "P:timer 1 @1800", "P:timer 1 @2200"}));
    EXPECT_TRUE(probe_->KillTimer(1));
    EXPECT_FALSE(probe_->KillTimer(1));
    Advance(1000);
    EXPECT_EQ(log_.size(), 3u);
}

// The spin-button pattern: a first 500 ms delay that only switches to a
// 100 ms timer with the same id, which then steps.
class RepeatProbe : public Probe {
  public:
    using Probe::Probe;
    bool firstDelay = true;

  protected:
    void TimerFired(uint32_t id) override {
        if (firstDelay) {
            firstDelay = false;
            SetTimer(id, 100);
            return;
        }
        Probe::TimerFired(id);
    }
};

TEST_F(TimerTest, SettingATimerAgainRestartsItWithTheNewInterval) {
    Log log;
    auto* rp = new RepeatProbe(form_, form_, Rect::FromOriginSize(0, 0, 5, 5), &log);
    rp->SetName("R");
    rp->SetTimer(1, 500);
    Advance(1250);  // a hold of 1.25 s
    EXPECT_EQ(log, (Log{"R:timer 1 @1600", "R:timer 1 @1700", "R:timer 1 @1800", "R:timer 1 @1900",
                        "R:timer 1 @2000", "R:timer 1 @2100", "R:timer 1 @2200"}));
}

TEST_F(TimerTest, TimersOfOneMomentFireInOrderAndDieWithTheirControl) {
    probe_->SetTimer(2, 25);
    auto* other = new Probe(form_, form_, Rect::FromOriginSize(0, 0, 5, 5), &log_);
    other->SetName("Q");
    other->SetTimer(1, 25);
    probe_->SetTimer(3, 50);
    Advance(50);
    // At one moment, timers fire in the order they were last armed.
    EXPECT_EQ(log_, (Log{"P:timer 2 @1025", "Q:timer 1 @1025", "P:timer 3 @1050", "P:timer 2 @1050",
                         "Q:timer 1 @1050"}));
    delete other;
    log_.clear();
    Advance(25);
    EXPECT_EQ(log_, (Log{"P:timer 2 @1075"}));
    EXPECT_FALSE(app_->Timers().IsSet(other, 1));
}

TEST_F(TimerTest, ALateLoopGetsOneTickNotABurst) {
    probe_->SetTimer(1, 50);
    clock_->Advance(500);  // the program was busy for half a second
    Process();
    Process();
    EXPECT_EQ(log_, (Log{"P:timer 1 @1500"}));
    EXPECT_EQ(app_->Timers().NextDue(), std::optional<TimeMs>(1550));
}

TEST_F(TimerTest, TheLoopWakesForAnotherThreadsJobAndRunsItOnTheUiThread) {
    std::thread::id ranOn;
    std::thread worker([&] {
        // As the serial monitoring thread does in smThreadSync mode.
        app_->Dispatcher().RunAndWait([&] { ranOn = std::this_thread::get_id(); });
        app_->Dispatcher().PostAndWaitTaken([] { throw std::runtime_error("Line error"); });
        app_->Terminate();
    });
    // No timer runs, so the loop blocks until woken each time.
    app_->Run();
    worker.join();
    app_->ProcessMessages();
    EXPECT_EQ(ranOn, std::this_thread::get_id());
    // An error of work that nobody waits for reaches the general error report.
    ASSERT_EQ(host_->MessageBoxes().size(), 1u);
    EXPECT_EQ(host_->MessageBoxes()[0].text, "Line error");
}

TEST_F(TimerTest, TerminateFromAPostedMessageEndsRun) {
    form_->WindowProc = [this, old = form_->WindowProc](TMessage& m) {
        if (m.Msg == kWmUser + 5) app_->Terminate();
        old(m);
    };
    std::thread poster([&] { app_->PostMessage(form_, kWmUser + 5); });
    app_->Run();
    poster.join();
    EXPECT_TRUE(app_->Terminated());
}

}  // namespace
}  // namespace dsp::test
