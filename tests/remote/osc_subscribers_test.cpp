// Leases, echo suppression and coalescing of the feedback, on explicit time.

#include "main/remote/osc_subscribers.h"

#include <gtest/gtest.h>

namespace dsp {
namespace {

const UdpEndpoint kTablet{0x7F000001, 9000};
const UdpEndpoint kTabletReply{0x7F000001, 9001};
const UdpEndpoint kDesk{0x7F000001, 8000};

class OscSubscribersTest : public ::testing::Test {
  protected:
    // What a change at `now` sends, as "to:address=value" lines.
    std::vector<std::string> Change(const char* name, int value, std::uint64_t client, TimeMs now) {
        std::vector<OscDelivery> out;
        subscribers_.Change(*FindCommand(name), value, client, now, out);
        return Lines(out);
    }
    std::vector<std::string> Flush(TimeMs now) {
        std::vector<OscDelivery> out;
        subscribers_.Flush(now, out);
        return Lines(out);
    }
    static std::vector<std::string> Lines(const std::vector<OscDelivery>& out) {
        std::vector<std::string> lines;
        for (const OscDelivery& d : out) {
            const OscArg& arg = d.message.args.at(0);
            const std::string value = std::holds_alternative<float>(arg)
                                          ? std::to_string(std::get<float>(arg))
                                          : std::to_string(std::get<std::int32_t>(arg));
            lines.push_back(std::to_string(d.to.port) + ":" + d.message.address + "=" + value);
        }
        return lines;
    }
    using L = std::vector<std::string>;
    OscSubscribers subscribers_;
};

TEST_F(OscSubscribersTest, EveryoneButTheAuthorHearsAChange) {
    ASSERT_TRUE(subscribers_.Subscribe(kTablet, kTabletReply, false, 0));
    ASSERT_TRUE(subscribers_.Subscribe(kDesk, kDesk, true, 0));
    EXPECT_EQ(Change("MAIN-VOL", 31, 0, 100),
              (L{"9001:/dsp/main-vol=31", "8000:/dsp/main-vol=31", "8000:/dsp/main-vol/norm=0.492063"}));
    // The tablet made it, from its sending port or its answering port.
    EXPECT_EQ(Change("KEY", 2, OscClientId(kTablet), 200),
              (L{"8000:/dsp/key=2", "8000:/dsp/key/norm=0.200000"}));
    EXPECT_EQ(Change("KEY", 3, OscClientId(kTabletReply), 300),
              (L{"8000:/dsp/key=3", "8000:/dsp/key/norm=0.300000"}));
    EXPECT_EQ(Change("KEY", 4, OscClientId(kDesk), 400), (L{"9001:/dsp/key=4"}));
}

TEST_F(OscSubscribersTest, LeasesLapseAfterTenSecondsUnlessRenewed) {
    subscribers_.Subscribe(kTablet, kTablet, false, 0);
    subscribers_.Subscribe(kDesk, kDesk, false, 0);
    subscribers_.Subscribe(kDesk, kDesk, false, 6000);  // renewed
    EXPECT_EQ(subscribers_.Count(9999), 2u);
    EXPECT_EQ(Change("INPUT", 1, 0, 10000), (L{"8000:/dsp/input=1"}));
    EXPECT_EQ(subscribers_.Count(16000), 0u);
    for (std::uint16_t port = 1; port <= OscSubscribers::kMaxSubscribers; ++port)
        EXPECT_TRUE(subscribers_.Subscribe({1, port}, {1, port}, false, 20000));
    EXPECT_FALSE(subscribers_.Subscribe(kDesk, kDesk, false, 20000));
    EXPECT_TRUE(subscribers_.Subscribe(kDesk, kDesk, false, 30000));  // the others lapsed
}

// At most one message per parameter and subscriber in any 20 ms; what came
// meanwhile waits, the latest value winning, and goes when its turn comes.
TEST_F(OscSubscribersTest, FastChangesAreCoalescedPerParameter) {
    subscribers_.Subscribe(kDesk, kDesk, false, 0);
    EXPECT_EQ(Change("MAIN-VOL", 10, 0, 1000), (L{"8000:/dsp/main-vol=10"}));
    EXPECT_EQ(Change("MAIN-VOL", 11, 0, 1005), L{});
    EXPECT_EQ(Change("AUX-VOL", 5, 0, 1006), (L{"8000:/dsp/aux-vol=5"}));  // another address, its own turn
    EXPECT_EQ(Change("MAIN-VOL", 12, 0, 1010), L{});
    EXPECT_EQ(subscribers_.NextDue(), 1020);
    EXPECT_EQ(Flush(1019), L{});
    EXPECT_EQ(Flush(1020), (L{"8000:/dsp/main-vol=12"}));
    EXPECT_EQ(subscribers_.NextDue(), std::nullopt);
    EXPECT_EQ(Change("MAIN-VOL", 13, 0, 1030), L{});
    EXPECT_EQ(Change("MAIN-VOL", 14, 0, 1060), (L{"8000:/dsp/main-vol=14"}));  // 13 is superseded
    EXPECT_EQ(Flush(2000), L{});
}

}  // namespace
}  // namespace dsp
