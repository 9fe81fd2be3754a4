// The window with --reconnect: a port that goes away is reopened on the
// one-second timer (driven by the fake clock), and the changes made while it
// was away are not sent when it comes back.

#include <filesystem>

#include "platform/framework/fake_time.h"
#include "platform/serialdev/routed_device_factory.h"
#include "serial/ecomport.h"
#include "tests/serial/pty_collector.h"
#include "tests/serial/ser2net_fixture.h"
#include "tests/support/form1_fixture.h"
#include "tests/support/wait_until.h"

namespace dsp {
namespace {

using test::Bytes;

Bytes MidFrame(int value) { return {0x80, 0x0A, static_cast<std::uint8_t>(value), 0xA0}; }

class ReconnectTest : public test::Form1Test {
  protected:
    // COM1 leads to `target` (a device path or a network port name).
    void StartWith(const std::string& target, bool reconnect) {
        TForm1::Options options;
        options.registryFile = registryFile_;
        options.reconnect = reconnect;
        options.diagnostics = &diagnostics_;
        options.deviceFactory = [target](const std::string& name) {
            PortMap map;
            map.Set("COM1", target);
            return RoutedDeviceFactory(map)(name);
        };
        form_ = new TForm1(app_.get(), options);
        form_->Show();
        Process();
    }
    // A symbolic link that COM1 maps to, so the "same" device can come back
    // as another pseudo-terminal.
    std::string Link(const std::string& device) {
        link_ = dir_ / "com1.tty";
        std::filesystem::remove(link_);
        std::filesystem::create_symlink(device, link_);
        return link_;
    }
    void Unplug() { pty_.Unplug(); }
    void Advance(int ms) { AdvanceTime(*app_, *clock_, ms); }
    void SetMid(int value) { form_->bsSkinTrackBar5->SetValue(value); }
    bool Said(const std::string& text) const { return diagnostics_.str().find(text) != std::string::npos; }

    std::string link_;
};

TEST_F(ReconnectTest, AnUnpluggedPortIsReopenedEverySecondWithoutReplayingChanges) {
    StartWith(Link(pty_.SlavePath()), true);
    Connect();
    SetMid(1);
    EXPECT_EQ(Written(4), MidFrame(1));
    const std::string status = form_->bsSkinStatusPanel1->Caption();

    Unplug();
    EXPECT_NO_THROW(SetMid(2));
    EXPECT_TRUE(form_->LinkAway());
    EXPECT_FALSE(form_->ComPort1.Connected());
    EXPECT_TRUE(
        Said("dsp-panel: COM1: link lost: WriteFile function failed (win error code: 5); reopening every "
             "second; changes made meanwhile are not kept\n"))
        << diagnostics_.str();
    // The window stays as it was; the controls keep working, sending nothing.
    EXPECT_EQ(form_->bsSkinStatusPanel1->Caption(), status);
    EXPECT_TRUE(form_->bsSkinTrackBar5->Enabled());
    SetMid(3);
    EXPECT_EQ(form_->bsSkinNumericEdit5->Text(), "-7");

    Advance(1000);  // the device is still missing
    EXPECT_TRUE(form_->LinkAway());
    EXPECT_TRUE(Said("dsp-panel: COM1: still away: Unable to open com port")) << diagnostics_.str();

    PtyPair replugged;
    ASSERT_EQ(replugged.Create(), 0);
    std::filesystem::remove(link_);
    std::filesystem::create_symlink(replugged.SlavePath(), link_);
    Advance(999);
    EXPECT_TRUE(form_->LinkAway());
    Advance(1);
    EXPECT_FALSE(form_->LinkAway());
    EXPECT_TRUE(form_->ComPort1.Connected());
    EXPECT_TRUE(Said("dsp-panel: COM1: link back\n")) << diagnostics_.str();
    SetMid(4);
    EXPECT_EQ(test::ReadBytes(replugged.MasterFd(), 8, std::chrono::milliseconds(300)), MidFrame(4));
}

TEST_F(ReconnectTest, TheLineErrorAloneNoticesTheLoss) {
    StartWith(pty_.SlavePath(), true);
    Connect();
    Unplug();
    // Nothing is sent: the monitoring thread's I/O error tells the window.
    EXPECT_TRUE(test::WaitUntil([&] {
        Process();
        return form_->LinkAway();
    }));
    EXPECT_TRUE(Said("dsp-panel: COM1: link lost: the line reports an I/O error")) << diagnostics_.str();
}

TEST_F(ReconnectTest, DisconnectingWhileAwayStopsTheRetries) {
    StartWith(pty_.SlavePath(), true);
    Connect();
    Unplug();
    SetMid(2);
    ASSERT_TRUE(form_->LinkAway());
    ClickOn(form_->bsSkinButton1);
    EXPECT_FALSE(form_->LinkAway());
    EXPECT_EQ(form_->bsSkinStatusPanel1->Caption(), "status: disconnect");
    EXPECT_EQ(form_->bsSkinButton1->Caption(), "connect");
    EXPECT_FALSE(form_->bsSkinTrackBar5->Enabled());
    EXPECT_FALSE(form_->bsSkinButton4->Enabled());
    EXPECT_TRUE(form_->bsSkinComboBox1->Enabled());
    EXPECT_TRUE(Said("dsp-panel: COM1: reconnecting stopped\n"));
    const std::string said = diagnostics_.str();
    Advance(3000);
    EXPECT_FALSE(form_->ComPort1.Connected());
    EXPECT_EQ(diagnostics_.str(), said);
}

TEST_F(ReconnectTest, WithoutTheOptionAWriteErrorStillReachesTheErrorReport) {
    StartWith(pty_.SlavePath(), false);
    Connect();
    Unplug();
    EXPECT_THROW(SetMid(2), EComPort);
    EXPECT_FALSE(form_->LinkAway());
    Advance(2000);
    EXPECT_TRUE(form_->ComPort1.Connected());
}

// The line monitor may notice a hang-up before the next change is written.
// Its report reaches the window on the main thread; handing it over here
// fixes that order, whatever the monitoring thread does meanwhile.
class MonitorFirstTest : public ReconnectTest {
  protected:
    void HangUpNoticedFirst() {
        Unplug();
        if (form_->ComPort1.OnError) form_->ComPort1.OnError(&form_->ComPort1, TComErrors{ceIO});
        Process();
    }
    void ClickVcr() {
        host_->ClearMessageBoxes();
        ClickOn(form_->bsSkinButton6);
    }
    std::size_t Reports() const { return host_->MessageBoxes().size(); }
};

TEST_F(MonitorFirstTest, WithoutTheOptionEveryFailedWriteIsReported) {
    StartWith(pty_.SlavePath(), false);
    Connect();
    HangUpNoticedFirst();
    for (int i = 0; i < 3; ++i) {
        ClickVcr();
        ASSERT_EQ(Reports(), 1u) << "click " << i;
        EXPECT_NE(host_->MessageBoxes()[0].text.find("WriteFile"), std::string::npos);
        form_->bsSkinButton6->SetEnabled(true);
    }
    EXPECT_FALSE(form_->LinkAway());
}

TEST_F(MonitorFirstTest, WithTheOptionTheLinkLineSaysChangesAreNotKept) {
    StartWith(pty_.SlavePath(), true);
    Connect();
    HangUpNoticedFirst();
    ASSERT_TRUE(form_->LinkAway());
    EXPECT_TRUE(
        Said("link lost: the line reports an I/O error; reopening every second; changes made "
             "meanwhile are not kept\n"))
        << diagnostics_.str();
    ClickVcr();
    EXPECT_EQ(Reports(), 0u);
    EXPECT_FALSE(form_->bsSkinButton6->Enabled());
}

TEST_F(ReconnectTest, Ser2netStoppedAndStartedAgain) {
    if (!test::Ser2net::Available()) GTEST_SKIP() << "ser2net is not installed (scripts/setup installs it)";
    test::Ser2net server(pty_.SlavePath());
    ASSERT_TRUE(server.Start());
    test::PtyCollector reader(pty_.MasterFd());
    StartWith(server.TelnetUrl(), true);
    Connect();
    SetMid(1);
    EXPECT_EQ(reader.Take(4), MidFrame(1));

    server.Stop();
    SetMid(2);
    ASSERT_TRUE(form_->LinkAway()) << diagnostics_.str();
    Advance(1000);
    EXPECT_TRUE(Said("still away: Unable to open com port (win error code: 111)")) << diagnostics_.str();
    ASSERT_TRUE(server.Start());
    Advance(1000);
    EXPECT_FALSE(form_->LinkAway()) << diagnostics_.str();
    SetMid(3);
    EXPECT_EQ(reader.Take(4), MidFrame(3));
}

}  // namespace
}  // namespace dsp
