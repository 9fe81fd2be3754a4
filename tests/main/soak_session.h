#pragma once
// A long run of the window: control changes made through the headless driver
// (arrow keys on the focused music-volume ceiling, sweeping it end to end), every frame decoded
// by the unit simulator on the pty's other end and checked as it arrives
// against the value the control showed after the change. Nothing is kept per
// frame, so the run's own memory stays flat and resident memory says
// something about the window's.
//
// Used by the soak test (a short run) and the soak benchmark (100,000 changes).

#include <unistd.h>

#include <chrono>
#include <deque>
#include <fstream>
#include <mutex>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>
#include <thread>

#include "main/app/headless_driver.h"
#include "main/panel/form1.h"
#include "main/sim/unit_simulator.h"
#include "platform/framework/application.h"
#include "platform/framework/fake_time.h"
#include "platform/framework/headless_host.h"
#include "platform/serialdev/pty_pair.h"
#include "platform/serialdev/stop_signal.h"
#include "platform/serialdev/termios_device.h"

namespace dsp::test {

// The simulator's output: each line is taken off as it is written and
// compared with the value expected next.
class FrameChecker : public std::streambuf {
  public:
    void Expect(int value) {
        std::lock_guard lock(mutex_);
        expected_.push_back(value);
        Match();
    }
    long Seen() const {
        std::lock_guard lock(mutex_);
        return seen_;
    }
    long Wrong() const {
        std::lock_guard lock(mutex_);
        return wrong_;
    }
    std::string FirstWrong() const {
        std::lock_guard lock(mutex_);
        return firstWrong_;
    }

  protected:
    int overflow(int c) override {
        if (c == traits_type::eof()) return 0;
        if (c != '\n') {
            line_.push_back(char(c));
            return c;
        }
        std::lock_guard lock(mutex_);
        ++seen_;
        arrived_.push_back(std::move(line_));
        line_.clear();
        Match();
        return c;
    }

  private:
    // A frame may reach the simulator before the driver has noted the
    // change that sent it, so lines and expectations meet in two short
    // queues. "MUSIC-VOL-MAX 51": every line names the same parameter and
    // carries the value expected next; a lost frame, a doubled one or one out
    // of order breaks the match.
    void Match() {
        while (!expected_.empty() && !arrived_.empty()) {
            const std::string line = std::move(arrived_.front());
            arrived_.pop_front();
            const int value = expected_.front();
            expected_.pop_front();
            ++matched_;
            const std::size_t space = line.rfind(' ');
            const std::string name = line.substr(0, space);
            if (name_.empty()) name_ = name;
            if (space != std::string::npos && name == name_ &&
                line.substr(space + 1) == std::to_string(value))
                continue;
            if (wrong_++ == 0)
                firstWrong_ = "frame " + std::to_string(matched_) + ": \"" + line + "\", expected " +
                              std::to_string(value);
        }
    }

    mutable std::mutex mutex_;
    std::deque<int> expected_;
    std::deque<std::string> arrived_;
    std::string line_;
    std::string name_;
    long seen_ = 0;
    long matched_ = 0;
    long wrong_ = 0;
    std::string firstWrong_;
};

inline long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

class SoakSession {
  public:
    explicit SoakSession(const std::string& registryFile)
        : checkerStream_(&checker_), simulator_(checkerStream_) {
        pty_.Create();
        simThread_ = std::thread([this] {
            simulator_.Run(pty_.MasterFd(), SimulatorOptions{.waitForPeer = true, .endOnPeerClose = false},
                           &stop_, nullptr);
        });
        auto host = std::make_unique<HeadlessHost>();
        host_ = host.get();
        auto clock = std::make_unique<FakeClock>(0);
        clock_ = clock.get();
        app_ = std::make_unique<TApplication>(std::move(host), std::move(clock));
        TForm1::Options options;
        options.registryFile = registryFile;
        const std::string slave = pty_.SlavePath();
        options.deviceFactory = [slave](const std::string&) {
            PortMap map;
            map.Set("COM1", slave);
            return std::unique_ptr<SerialDevice>(std::make_unique<TermiosSerialDevice>(map));
        };
        options.diagnostics = &diagnostics_;
        form_ = new TForm1(app_.get(), options);
        form_->Show();
        app_->ProcessMessages();
        driver_ = std::make_unique<HeadlessDriver>(*app_, *host_, *clock_, *form_);
    }
    ~SoakSession() {
        driver_.reset();
        app_.reset();
        stop_.Signal();
        simThread_.join();
    }

    // Connects and gives the spin edit the focus; false when either fails.
    bool Prepare() {
        if (!Execute("click bsSkinButton1") || !form_->ComPort1.Connected()) return false;
        return Change("click bsSkinSpinEdit3");
    }

    // Makes `count` changes with the arrow keys, sweeping the spin edit up
    // to its end and down again. Every so many changes waits for the simulator to catch up, so
    // the expectations never pile up. False when a command failed.
    bool Run(long count) {
        TbsSkinSpinEdit& spin = *form_->bsSkinSpinEdit3;
        for (long done = 0; done < count;) {
            // Turn round at the ends: a key against an end changes nothing
            // on screen, so what it sends is no change to check.
            if (spin.Value() >= spin.MaxValue()) up_ = false;
            if (spin.Value() <= spin.MinValue()) up_ = true;
            const int before = spin.Value();
            if (!Change(up_ ? "key Up" : "key Down")) return Fail("a key command failed");
            if (spin.Value() == before) return Fail("the spin edit did not move");
            if (++done % 500 == 0 && !CatchUp()) return Fail("the simulator fell behind");
        }
        return CatchUp() || Fail("the simulator fell behind");
    }

    long Changes() const { return changes_; }
    const std::string& Failure() const { return failure_; }
    const FrameChecker& Checker() const { return checker_; }
    std::string Diagnostics() const { return diagnostics_.str(); }

  private:
    bool Fail(std::string why) {
        failure_ = std::move(why) + " after " + std::to_string(changes_) + " changes, " +
                   std::to_string(checker_.Seen()) + " frames seen";
        return false;
    }
    bool Execute(const std::string& line) {
        std::ostringstream answer;
        driver_->Execute(line, answer);
        app_->ProcessMessages();
        return answer.str().ends_with("ok\n");
    }
    // A command; when it moved the spin edit, one frame with its new value is
    // expected.
    bool Change(const std::string& line) {
        const int before = form_->bsSkinSpinEdit3->Value();
        if (!Execute(line)) return false;
        const int after = form_->bsSkinSpinEdit3->Value();
        if (after != before) {
            checker_.Expect(after);
            ++changes_;
        }
        return true;
    }
    bool CatchUp() {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (checker_.Seen() < changes_) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        return true;
    }

    PtyPair pty_;
    StopSignal stop_;
    FrameChecker checker_;
    std::ostream checkerStream_;
    UnitSimulator simulator_;
    std::thread simThread_;
    HeadlessHost* host_ = nullptr;
    FakeClock* clock_ = nullptr;
    std::unique_ptr<TApplication> app_;
    TForm1* form_ = nullptr;
    std::unique_ptr<HeadlessDriver> driver_;
    std::ostringstream diagnostics_;
    long changes_ = 0;
    bool up_ = true;
    std::string failure_;
};

}  // namespace dsp::test
