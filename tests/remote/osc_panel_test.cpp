// The OSC surface on the real window: a message moves the control, and the
// control's own handler puts exactly its frames on the line (a pty); every
// change from any side reaches the subscribers but its author.

#include <gtest/gtest.h>

#include "main/remote/form_remote_panel.h"
#include "main/remote/osc_server.h"
#include "tests/remote/osc_client.h"
#include "tests/support/form1_fixture.h"

namespace dsp::test {
namespace {

class OscPanelTest : public Form1Test {
  protected:
    void SetUp() override {
        Start();
        panel_ = std::make_unique<FormRemotePanel>(*form_, ChangeSource::Osc);
        server_ = std::make_unique<OscServer>(*app_, *panel_, diagnostics_);
        ASSERT_EQ(server_->Start({0x7F000001, 0}), 0);
        following_ = form_->Changes().Subscribe([this](const ParamChange& change) {
            server_->Changed(*change.row, change.value, change.client);
        });
    }
    void TearDown() override {
        following_.Reset();
        server_.reset();
    }
    OscClient Client() {
        return OscClient(server_->LocalEndpoint(), [this] { Process(); });
    }

    std::ostringstream diagnostics_;
    std::unique_ptr<FormRemotePanel> panel_;
    std::unique_ptr<OscServer> server_;
    ChangeBus::Subscription following_;
};

TEST_F(OscPanelTest, AMessageMovesTheControlAndItsFrameGoesOut) {
    Connect();
    OscClient tablet = Client();
    tablet.Send({"/dsp/main-vol", {31}});
    EXPECT_EQ(tablet.Ask("/dsp/main-vol"), (OscMessage{"/dsp/main-vol", {31}}));
    EXPECT_EQ(Written(4), (Bytes{0x80, 0x13, 0x1F, 0xA0}));
    EXPECT_EQ(form_->bsSkinTrackBar12->Value(), 31);
    EXPECT_EQ(form_->bsSkinNumericEdit18->Text(), "31");

    tablet.Send({"/dsp/key", {std::string("b-5")}});
    tablet.Send({"/dsp/input", {std::string("VCR")}});
    tablet.Send({"/dsp/load", {3}});
    tablet.Ask("/dsp/info");
    EXPECT_EQ(Written(12), (Bytes{0x80, 0x1B, 0x00, 0xA0, 0x80, 0x1A, 0x01, 0xA0, 0x80, 0x30, 0x03, 0xA0}));
    EXPECT_FALSE(form_->bsSkinButton6->Enabled());  // "VCR" marked as the choice
    EXPECT_TRUE(NothingWritten());
    EXPECT_EQ(diagnostics_.str(), "");
}

// "MUSIC VOL MAX:" stands at 50: MAIN asked for 55 snaps back to 50 and the
// handler sends its frame twice, as for the operator; followers hear 50 once.
TEST_F(OscPanelTest, MainAboveItsCeilingSendsTheClampedFrameTwice) {
    Connect();
    OscClient tablet = Client(), desk = Client();
    desk.Send({"/dsp/subscribe", {}});
    desk.Ask("/dsp/info");
    tablet.Send({"/dsp/main-vol", {55}});
    EXPECT_EQ(desk.NextMessage(), (OscMessage{"/dsp/main-vol", {50}}));
    EXPECT_EQ(Written(8), (Bytes{0x80, 0x13, 0x32, 0xA0, 0x80, 0x13, 0x32, 0xA0}));
    EXPECT_EQ(desk.Ask("/dsp/main-vol"), (OscMessage{"/dsp/main-vol", {50}}));  // nothing more came
}

TEST_F(OscPanelTest, TheWindowsChangesReachSubscribersButNotTheAuthorsOwn) {
    Connect();
    OscClient tablet = Client();
    tablet.Send({"/dsp/subscribe", {std::string("norm")}});
    tablet.Ask("/dsp/info");
    form_->bsSkinTrackBar12->SetValue(40);  // the window's own fader
    EXPECT_EQ(tablet.NextMessage(), (OscMessage{"/dsp/main-vol", {40}}));
    EXPECT_EQ(tablet.NextMessage(), (OscMessage{"/dsp/main-vol/norm", {40.0f / 63}}));
    tablet.Send({"/dsp/eff-vol", {1.0f}});
    EXPECT_EQ(tablet.Ask("/dsp/eff-vol"), (OscMessage{"/dsp/eff-vol", {80}}));  // no echo came first
}

// With the port closed the control moves as the window's own rules say and
// nothing goes out; the surface says so.
TEST_F(OscPanelTest, WhileDisconnectedControlsMoveButNothingIsSent) {
    OscClient tablet = Client(), desk = Client();
    desk.Send({"/dsp/subscribe", {}});
    EXPECT_EQ(
        desk.Ask("/dsp/info").args,
        (std::vector<OscArg>{std::string(DSP_VERSION), std::string("disconnected"), std::string("COM1")}));
    tablet.Send({"/dsp/aux-vol", {7}});
    EXPECT_EQ(desk.NextMessage(), (OscMessage{"/dsp/aux-vol", {7}}));
    EXPECT_EQ(form_->bsSkinTrackBar1->Value(), 7);
    EXPECT_TRUE(NothingWritten());
}

}  // namespace
}  // namespace dsp::test
