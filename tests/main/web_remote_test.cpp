#include "main/remote/web/web_remote.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <map>
#include <thread>

#include "main/remote/web/web_access.h"
#include "main/remote/web/web_protocol.h"
#include "platform/dispatch/main_thread_queue.h"
#include "platform/sys/small_file.h"
#include "tests/support/temp_dir.h"
#include "tests/support/web_client.h"

namespace dsp {
namespace {

const CommandRow& Row(std::string_view name) { return *FindCommand(name); }

TEST(WebProtocol, ReadsWhatThePageSendsAndRefusesTheRest) {
    const auto set = std::get<WebSet>(ReadWebRequest(R"({"set": "MAIN-VOL", "value": 31})"));
    EXPECT_EQ(set.row->code, 0x13);
    EXPECT_EQ(set.value, 31);
    EXPECT_EQ(std::get<WebSet>(ReadWebRequest(R"({"value": "b-5", "set": "KEY"})")).value, 0);
    EXPECT_EQ(std::get<WebSet>(ReadWebRequest(R"({"set": "KEY", "value": "0"})")).value, 5);  // the item "0"
    EXPECT_EQ(std::get<WebSet>(ReadWebRequest(R"({"set": "INPUT", "value": "AUTO"})")).value, 4);
    EXPECT_EQ(std::get<WebSet>(ReadWebRequest(R"({"set": "LOAD", "value": 10})")).value, 10);
    EXPECT_TRUE(std::holds_alternative<WebGetState>(ReadWebRequest(R"({"get":"state"})")));
    EXPECT_EQ(std::get<WebPing>(ReadWebRequest(R"({"ping": 7})")).number, 7);

    for (const char* bad : {
             R"({"set": "MAIN-VOL", "value": 64})",  // above the range
             R"({"set": "MAIN-VOL", "value": -1})",
             R"({"set": "MAIN-VOL", "value": 31.5})",  // not whole
             R"({"set": "MAIN-VOL", "value": 1e400})",
             R"({"set": "MAIN-VOL", "value": true})",
             R"({"set": "KEY", "value": "b-6"})",
             R"({"set": "0x13", "value": 31})",  // codes are for the command line
             R"({"set": "main-vol", "value": 31})",
             R"({"set": "NOPE", "value": 1})",
             R"({"set": "MAIN-VOL"})",
             R"({"set": "MAIN-VOL", "value": 31, "x": 1})",
             R"({"set": "MAIN-VOL", "value": 31, "value": 30})",  // duplicate member
             R"({"set": "MAIN-VOL", "value": [31]})",
             R"({"set": {"MAIN-VOL": 31}})",
             R"({"get": "everything"})",
             R"([{"get": "state"}])",
             R"({"get": "state"} {"get": "state"})",
             "{\"set\": \"K\xff\", \"value\": 1}",  // not UTF-8
             "",
             "{",
         })
        EXPECT_TRUE(std::holds_alternative<WebRefusal>(ReadWebRequest(bad))) << bad;
}

TEST(WebProtocol, WritesStateAndChangesByNameWithItemTexts) {
    const WebValue values[] = {
        {&Row("MAIN-VOL"), 31}, {&Row("KEY"), 0}, {&Row("MUSIC-BASS"), 10}, {&Row("CENTER"), std::nullopt}};
    EXPECT_EQ(WebStateMessage(4, values, "connected", 0),
              R"({"rev":4,"state":{"MAIN-VOL":31,"KEY":"b-5","MUSIC-BASS":10,)"
              R"("CENTER":null},"link":"connected","lang":"zh"})");
    EXPECT_EQ(WebChangeMessage(5, {&Row("AUX"), 2}),
              R"({"rev":5,"change":{"name":"AUX","value":"MIC+MUSIC"}})");
    // What the server writes, the page's own messages read back.
    EXPECT_EQ(std::get<WebSet>(ReadWebRequest(R"({"set":"AUX","value":"MIC+MUSIC"})")).value, 2);
}

constexpr std::string_view kControl = "0123456789abcdef0123456789abcdef";
constexpr std::string_view kWatch = "fedcba9876543210fedcba9876543210";

TEST(WebAccess, TokensGrantTheirRoleOnlyWhole) {
    const WebTokens tokens{std::string(kControl), std::string(kWatch)};
    EXPECT_EQ(RoleForQuery(tokens, "t=" + tokens.control), WebRole::Control);
    EXPECT_EQ(RoleForQuery(tokens, "x=1&t=" + tokens.watch), WebRole::Watch);
    for (const std::string& query :
         {std::string(), std::string("t="), "t=" + tokens.control.substr(0, 31), "t=" + tokens.control + "0",
          "T=" + tokens.control, "xt=" + tokens.control})
        EXPECT_EQ(RoleForQuery(tokens, query), WebRole::None) << query;
    EXPECT_EQ(RoleForQuery(WebTokens{}, "t="), WebRole::None);

    EXPECT_TRUE(OriginAllowed("", "10.0.0.2:8080"));  // not a browser
    EXPECT_TRUE(OriginAllowed("http://10.0.0.2:8080", "10.0.0.2:8080"));
    EXPECT_FALSE(OriginAllowed("http://evil.example", "10.0.0.2:8080"));
    EXPECT_FALSE(OriginAllowed("http://10.0.0.2:8080.evil.example", "10.0.0.2:8080"));
    EXPECT_FALSE(OriginAllowed("https://10.0.0.2:8080", "10.0.0.2:8080"));
    EXPECT_FALSE(OriginAllowed("null", ""));
}

TEST(WebAccess, BrakeHoldsAnAddressAfterTooManyWrongTokensUntilItsWindowPasses) {
    FakeClock clock(1000);
    FailureBrake brake(clock, 3, 60000);
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(brake.Braked("10.0.0.9"));
        brake.Failed("10.0.0.9");
    }
    EXPECT_TRUE(brake.Braked("10.0.0.9"));
    EXPECT_FALSE(brake.Braked("10.0.0.8"));
    clock.Advance(59999);
    EXPECT_TRUE(brake.Braked("10.0.0.9"));
    clock.Advance(1);
    EXPECT_FALSE(brake.Braked("10.0.0.9"));
}

TEST(WebAccess, TokenFileIsMadeOnFirstUseForTheOwnerAloneAndKept) {
    test::TempDir dir;
    const std::string path = (dir.Path() / "cfg/dsp-panel/web.token").string();
    std::string error;
    const auto first = LoadOrMakeWebTokens(path, error);
    ASSERT_TRUE(first) << error;
    EXPECT_EQ(first->control.size(), 32u);
    EXPECT_NE(first->control, first->watch);
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    const auto again = LoadOrMakeWebTokens(path, error);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->control, first->control);
    EXPECT_EQ(again->watch, first->watch);

    // A damaged file gets new tokens, and a widened mode is narrowed again.
    std::ofstream(path) << "control=xyz\n";
    ::chmod(path.c_str(), 0644);
    const auto remade = LoadOrMakeWebTokens(path, error);
    ASSERT_TRUE(remade);
    EXPECT_NE(remade->control, first->control);
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

// The panel side: values and the settings that reached it, on this thread.
class FakePanel final : public RemotePanel {
  public:
    std::optional<int> Value(const CommandRow& row) const override {
        const auto found = values.find(row.name);
        if (found == values.end()) return row.items.empty() ? std::optional(row.minValue) : std::nullopt;
        return found->second;
    }
    bool Set(const CommandRow& row, int value, std::uint64_t client) override {
        sets.push_back({std::string(row.name), value});
        clients.push_back(client);
        values[row.name] = value;
        return true;
    }
    std::string LinkState() const override { return linked ? "connected" : "disconnected"; }
    std::string PortName() const override { return "COM1"; }

    std::map<std::string_view, int> values;
    std::vector<std::pair<std::string, int>> sets;
    std::vector<std::uint64_t> clients;
    bool linked = false;
};

// The brake reads the time on the server's threads while the test moves it.
class SharedClock final : public Clock {
  public:
    TimeMs Now() const override { return now_; }
    void Advance(TimeMs ms) { now_ += ms; }

  private:
    std::atomic<TimeMs> now_ = 0;
};

class WebRemoteTest : public ::testing::Test {
  protected:
    WebRemoteTest() {
        WebRemoteOptions options;
        options.tokens = {std::string(kControl), std::string(kWatch)};
        options.clock = &clock_;
        options.server.maxMessageBytes = 512;
        remote_ = std::make_unique<WebRemote>(panel_, dispatcher_, options);
        port_ = static_cast<std::uint16_t>(std::stoi(remote_->PageAddress(WebRole::Control).substr(17, 5)));
    }

    // Runs the panel's side until `client` gets a message.
    std::string Next(test::WebSocketClient& client) {
        for (int i = 0; i < 300; ++i) {
            dispatcher_.ProcessPending();
            if (auto message = client.Receive(10)) return *message;
        }
        return "(nothing)";
    }

    std::string Open(test::WebSocketClient& client, std::string_view token) {
        if (client.Open(port_, "/ws?t=" + std::string(token)) != 101) return "(refused)";
        return Next(client);  // the role
    }

    SharedClock clock_;
    FakePanel panel_;
    MainThreadQueue dispatcher_;
    std::unique_ptr<WebRemote> remote_;
    std::uint16_t port_ = 0;
};

TEST_F(WebRemoteTest, PageAndSocketNeedAToken) {
    ASSERT_EQ(remote_->Error(), "");
    EXPECT_EQ(remote_->PageAddress(WebRole::Watch),
              "http://127.0.0.1:" + std::to_string(port_) + "/?t=" + std::string(kWatch));
    EXPECT_EQ(remote_->PageAddress(WebRole::Control, "fd00::5"),
              "http://[fd00::5]:" + std::to_string(port_) + "/?t=" + std::string(kControl));
    const test::WebReply page = test::WebGet(port_, "/?t=" + std::string(kControl));
    EXPECT_EQ(page.status, 200);
    EXPECT_NE(page.body.find("\"MAIN-VOL\""), std::string::npos);
    EXPECT_NE(page.body.find("音量调节"), std::string::npos);
    EXPECT_EQ(test::WebGet(port_, "/?t=" + std::string(kWatch)).status, 200);
    EXPECT_EQ(test::WebGet(port_, "/").status, 403);
    EXPECT_EQ(test::WebGet(port_, "/").body.find("MAIN-VOL"), std::string::npos);
    EXPECT_EQ(test::WebGet(port_, "/other?t=" + std::string(kControl)).status, 404);

    test::WebSocketClient none, wrong, foreign, good;
    EXPECT_NE(none.Open(port_, "/ws"), 101);
    EXPECT_NE(wrong.Open(port_, "/ws?t=0123"), 101);
    EXPECT_NE(foreign.Open(port_, "/ws?t=" + std::string(kControl), "http://evil.example"), 101);
    EXPECT_EQ(good.Open(port_, "/ws?t=" + std::string(kControl), "http://127.0.0.1:" + std::to_string(port_)),
              101);

    // Four wrong tokens so far; the tenth locks this address out, token or not.
    for (int i = 0; i < 6; ++i) test::WebGet(port_, "/?t=guess");
    EXPECT_EQ(test::WebGet(port_, "/?t=" + std::string(kControl)).status, 429);
    test::WebSocketClient late;
    EXPECT_NE(late.Open(port_, "/ws?t=" + std::string(kControl)), 101);
    clock_.Advance(60000);
    EXPECT_EQ(test::WebGet(port_, "/?t=" + std::string(kControl)).status, 200);
}

// A web server library built without IPv6 cannot listen on [::1]; the reason
// must say so rather than a bare "failed to set up ports".
TEST(WebRemote, AnIpv6AddressServesOrSaysIpv6IsMissing) {
    FakePanel panel;
    MainThreadQueue dispatcher;
    WebRemoteOptions options;
    options.server.address = "::1";
    WebRemote remote(panel, dispatcher, options);
    if (!remote.Error().empty()) {
        EXPECT_NE(remote.Error().find("IPv6"), std::string::npos) << remote.Error();
    }
}

TEST_F(WebRemoteTest, EveryPageGetsTheStateThenEveryChangeInOrder) {
    panel_.values["MAIN-VOL"] = 30;
    test::WebSocketClient one, two;
    EXPECT_EQ(Open(one, kControl), R"({"role":"control"})");
    EXPECT_EQ(Open(two, kWatch), R"({"role":"watch"})");
    const std::string state = Next(one);
    EXPECT_NE(state.find(R"("rev":0,"state":{"DELAY":0,)"), std::string::npos) << state;
    EXPECT_NE(state.find(R"("MAIN-VOL":30,)"), std::string::npos);
    EXPECT_NE(state.find(R"("KEY":null,)"), std::string::npos);
    EXPECT_EQ(state.find("LOAD"), std::string::npos);
    EXPECT_NE(state.find(R"("link":"disconnected","lang":"en"})"), std::string::npos);
    EXPECT_EQ(Next(two), state);

    remote_->Changed(Row("MAIN-VOL"), 31);
    EXPECT_EQ(Next(one), R"({"rev":1,"change":{"name":"MAIN-VOL","value":31}})");
    EXPECT_EQ(Next(two), R"({"rev":1,"change":{"name":"MAIN-VOL","value":31}})");

    // The port opening shows as a new state, with its own revision.
    panel_.linked = true;
    remote_->Changed(Row("KEY"), 6);
    EXPECT_NE(Next(one).find(R"("rev":2,)"), std::string::npos);
    EXPECT_EQ(Next(one), R"({"rev":3,"change":{"name":"KEY","value":"#+1"}})");

    one.SendText(R"({"get":"state"})");
    EXPECT_NE(Next(one).find(R"({"rev":3,"state":)"), std::string::npos);
}

TEST_F(WebRemoteTest, SettingsReachThePanelCoalescedAndOnlyFromAControlPage) {
    test::WebSocketClient control, watch;
    Open(control, kControl);
    Open(watch, kWatch);
    Next(control);
    Next(watch);
    panel_.sets.clear();

    watch.SendText(R"({"set": "MAIN-VOL", "value": 5})");
    EXPECT_EQ(Next(watch), R"({"error":"read-only"})");
    // A burst faster than the panel takes it: the last value of each wins,
    // in the order each parameter was first asked for.
    for (int v : {10, 20, 30}) control.SendText(R"({"set": "MAIN-VOL", "value": )" + std::to_string(v) + "}");
    control.SendText(R"({"set": "KEY", "value": "#+5"})");
    control.SendText(R"({"set": "NOPE", "value": 1})");
    control.SendText(R"({"ping": 1})");
    // The pong and the error come from the server's thread: by then every
    // setting before them is waiting for the panel, which has not run yet.
    ASSERT_EQ(control.Receive(), R"({"error":"unknown parameter"})");
    ASSERT_EQ(control.Receive(), R"({"pong":1})");
    EXPECT_TRUE(panel_.sets.empty());
    dispatcher_.ProcessPending();
    EXPECT_EQ(panel_.sets, (std::vector<std::pair<std::string, int>>{{"MAIN-VOL", 30}, {"KEY", 10}}));
    ASSERT_EQ(panel_.clients.size(), 2u);
    EXPECT_NE(panel_.clients[0], 0u);
}

TEST_F(WebRemoteTest, OversizedOrBrokenFramesCloseOnlyTheirConnection) {
    test::WebSocketClient big, other;
    Open(big, kControl);
    Open(other, kControl);
    Next(big);
    Next(other);
    big.SendText(R"({"set": "MAIN-VOL", "value": ")" + std::string(600, 'x') + "\"}");
    EXPECT_TRUE(big.ClosedByServer());
    other.SendText(R"({"ping": 2})");
    EXPECT_EQ(Next(other), R"({"pong":2})");
}

}  // namespace
}  // namespace dsp
