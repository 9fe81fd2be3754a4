// The address handed out for a server on every interface: a real address of
// this computer, never a loopback one, and the listening address itself when
// that is not a wildcard (or no network is up).

#include "platform/net/lan_address.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>

namespace dsp {
namespace {

TEST(LanAddress, WildcardsBecomeAnAddressOfThisComputerOffTheLoopback) {
    EXPECT_EQ(ReachableAddress("127.0.0.1"), "127.0.0.1");
    EXPECT_EQ(ReachableAddress("192.0.2.7"), "192.0.2.7");
    const std::string v4 = LanAddress(IpFamily::V4);
    EXPECT_EQ(ReachableAddress("0.0.0.0"), v4.empty() ? "0.0.0.0" : v4);
    if (!v4.empty()) {
        in_addr parsed{};
        ASSERT_EQ(inet_pton(AF_INET, v4.c_str(), &parsed), 1) << v4;
        EXPECT_NE(ntohl(parsed.s_addr) >> 24, 127u) << v4;
    }
    const std::string v6 = LanAddress(IpFamily::V6);
    EXPECT_EQ(ReachableAddress("::"), v6.empty() ? "::" : v6);
    if (!v6.empty()) {
        in6_addr parsed{};
        ASSERT_EQ(inet_pton(AF_INET6, v6.c_str(), &parsed), 1) << v6;
        EXPECT_FALSE(IN6_IS_ADDR_LOOPBACK(&parsed) || IN6_IS_ADDR_LINKLOCAL(&parsed)) << v6;
    }
}

}  // namespace
}  // namespace dsp
