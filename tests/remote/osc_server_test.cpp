// The OSC server on loopback, over a panel that records what it is asked to
// do: answers, feedback, coalescing on the application's fake clock, bad
// input, and a packet from an independent OSC sender.

#include "main/remote/osc_server.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <sstream>

#include "main/remote/osc_params.h"
#include "tests/remote/osc_client.h"
#include "tests/support/app_fixture.h"

namespace dsp::test {
namespace {

// Stands for the parameter table and change bus: a set is published back to
// the server as the bus would, with its author.
class RecordingPanel : public RemotePanel {
  public:
    std::optional<int> Value(const CommandRow& row) const override {
        if (values[row.code] < 0) return std::nullopt;
        return values[row.code];
    }
    bool Set(const CommandRow& row, int value, std::uint64_t client) override {
        values[row.code] = value;
        sets.push_back({&row, value, client});
        if (server) server->Changed(row, value, client);
        return true;
    }
    std::string LinkState() const override { return connected ? "connected" : "disconnected"; }
    std::string PortName() const override { return "COM1"; }

    struct SetCall {
        const CommandRow* row;
        int value;
        std::uint64_t client;
    };
    std::array<int, 256> values{};
    std::vector<SetCall> sets;
    bool connected = true;
    OscServer* server = nullptr;
};

class OscServerTest : public AppTest {
  protected:
    OscServerTest() {
        server_ = std::make_unique<OscServer>(*app_, panel_, diagnostics_);
        panel_.server = server_.get();
        EXPECT_EQ(server_->Start({0x7F000001, 0}), 0);
    }
    OscClient Client() {
        return OscClient(server_->LocalEndpoint(), [this] { Process(); });
    }
    static const CommandRow& Row(const char* name) { return *FindCommand(name); }

    RecordingPanel panel_;
    std::ostringstream diagnostics_;
    std::unique_ptr<OscServer> server_;
};

TEST_F(OscServerTest, SetsQueriesDumpAndInfo) {
    OscClient client = Client();
    client.Send({"/dsp/main-vol", {31}});
    client.Send({"/dsp/key", {std::string("b-4")}});
    EXPECT_EQ(client.Ask("/dsp/main-vol"), (OscMessage{"/dsp/main-vol", {31}}));
    ASSERT_EQ(panel_.sets.size(), 2u);
    EXPECT_EQ(panel_.sets[0].row, &Row("MAIN-VOL"));
    EXPECT_EQ(panel_.sets[0].client, OscClientId(client.Endpoint()));
    EXPECT_EQ(panel_.sets[1].value, 1);

    panel_.values[Row("AUX").code] = -1;  // no choice made
    client.Send({"/dsp/dump", {}});
    const std::vector<OscMessage> dump = client.Next();
    ASSERT_EQ(dump.size(), CommandTable().size() - 1);
    std::size_t i = 0;
    for (const CommandRow& row : CommandTable()) {
        if (&row == &Row("AUX")) continue;
        EXPECT_EQ(dump.at(i++), (OscMessage{OscAddress(row), {panel_.values[row.code]}}));
    }
    client.Send({"/dsp/aux", {}});
    EXPECT_EQ(client.Ask("/dsp/info").args.at(1), OscArg(std::string("connected")));  // AUX went unanswered
    EXPECT_EQ(client.Ask("/dsp/info").args.at(1), OscArg(std::string("connected")));
    panel_.connected = false;
    const OscMessage info = client.Ask("/dsp/info");
    EXPECT_EQ(info.args, (std::vector<OscArg>{std::string(DSP_VERSION), std::string("disconnected"),
                                              std::string("COM1")}));
}

TEST_F(OscServerTest, SubscribersHearOtherClientsChangesButNotTheirOwn) {
    OscClient tablet = Client(), desk = Client();
    tablet.Send({"/dsp/subscribe", {std::string("norm")}});
    desk.Send({"/dsp/subscribe", {}});
    EXPECT_EQ(desk.Ask("/dsp/input").args.at(0), OscArg(0));  // both subscriptions are in
    ASSERT_EQ(server_->Subscribers(), 2u);

    desk.Send({"/dsp/input", {std::string("DVD")}});
    EXPECT_EQ(tablet.NextMessage(), (OscMessage{"/dsp/input", {2}}));
    EXPECT_EQ(tablet.NextMessage(), (OscMessage{"/dsp/input/norm", {0.5f}}));
    EXPECT_EQ(desk.Ask("/dsp/input"), (OscMessage{"/dsp/input", {2}}));  // no echo came first

    server_->Changed(Row("EFF-VOL"), 40, 0);  // the window, say
    EXPECT_EQ(desk.NextMessage(), (OscMessage{"/dsp/eff-vol", {40}}));
    Advance(OscSubscribers::kLeaseMs);
    panel_.Set(Row("EFF-VOL"), 41, 0);
    EXPECT_EQ(desk.Ask("/dsp/eff-vol"), (OscMessage{"/dsp/eff-vol", {41}}));  // lapsed: nothing came
}

// The waiting value goes out on the application's timer when the clock
// reaches its turn.
TEST_F(OscServerTest, CoalescedFeedbackFollowsTheApplicationClock) {
    OscClient desk = Client();
    desk.Send({"/dsp/subscribe", {}});
    desk.Send({"/dsp/dump", {}});
    desk.Next();
    for (int value = 10; value <= 15; ++value) server_->Changed(Row("MAIN-VOL"), value, 0);
    EXPECT_EQ(desk.NextMessage(), (OscMessage{"/dsp/main-vol", {10}}));
    Advance(OscSubscribers::kMinGapMs - 1);
    panel_.values[Row("KEY").code] = 7;
    EXPECT_EQ(desk.Ask("/dsp/key"), (OscMessage{"/dsp/key", {7}}));  // 15 has not gone yet
    Advance(1);
    EXPECT_EQ(desk.NextMessage(), (OscMessage{"/dsp/main-vol", {15}}));
}

TEST_F(OscServerTest, BadInputIsAnsweredWithNothingAndNotedOnceASecond) {
    OscClient client = Client();
    client.SendBytes({1, 2, 3});
    client.Send({"/dsp/nowhere\x1b[2J", {}});
    client.Send({"/dsp/main-vol", {64}});
    client.Send({"/dsp/main-vol", {1, 2}});
    client.Send({"/dsp/key", {std::string("b-9")}});
    client.Send({"/dsp/subscribe", {0.5f}});
    EXPECT_EQ(client.Ask("/dsp/main-vol"), (OscMessage{"/dsp/main-vol", {0}}));
    EXPECT_TRUE(panel_.sets.empty());
    EXPECT_EQ(server_->Subscribers(), 0u);
    EXPECT_EQ(diagnostics_.str(), "dsp-panel: osc: ignored a message from " + client.Endpoint().ToString() +
                                      ": size not a multiple of four\n");
    Advance(1000);
    client.Send({"/dsp/nowhere\x1b[2J", {}});
    client.Ask("/dsp/info");
    EXPECT_NE(diagnostics_.str().find("unknown address /dsp/nowhere?[2J (and 5 more since the last note)\n"),
              std::string::npos)
        << diagnostics_.str();
}

// A batch that waited for a busy window sets each parameter once, to its
// last good value, in order; memory presses and refusals all count.
TEST_F(OscServerTest, ABatchSetsEachParameterOnceToItsLastGoodValue) {
    OscSurface surface(panel_, app_->GetClock(), diagnostics_, [](const UdpEndpoint&, auto) {});
    const UdpEndpoint a{0x7F000001, 5000}, b{0x7F000001, 5001};
    const std::vector<OscReceived> batch = {
        {a, {"/dsp/main-vol", {1}}}, {b, {"/dsp/load", {2}}},    {a, {"/dsp/key", {3}}},
        {b, {"/dsp/main-vol", {5}}}, {a, {"/dsp/load", {4}}},    {b, {"/dsp/main-vol", {64}}},
        {a, {"/dsp/key", {}}},       {b, {"/dsp/main-vol", {}}},
    };
    surface.Receive(batch);
    std::vector<std::string> sets;
    for (const auto& set : panel_.sets)
        sets.push_back(std::string(set.row->name) + "=" + std::to_string(set.value));
    EXPECT_EQ(sets, (std::vector<std::string>{"LOAD=2", "KEY=3", "MAIN-VOL=5", "LOAD=4"}));
    EXPECT_EQ(panel_.sets[2].client, OscClientId(b));
    EXPECT_NE(diagnostics_.str().find("no value for /dsp/main-vol"), std::string::npos);
}

TEST_F(OscServerTest, AnIndependentSenderIsUnderstood) {
    const std::string command = "oscsend 127.0.0.1 " + std::to_string(server_->LocalEndpoint().port) +
                                " /dsp/sw-freq f 0.25 >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    OscClient client = Client();
    for (int i = 0; i < 5000 && panel_.sets.empty(); ++i) client.Ask("/dsp/info");
    ASSERT_EQ(panel_.sets.size(), 1u);
    EXPECT_EQ(panel_.sets[0].value, 100);  // 50 + 0.25 * 200
}

}  // namespace
}  // namespace dsp::test
