#include "platform/net/lan_address.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

namespace dsp {
namespace {

std::string Usable(const ifaddrs& entry, IpFamily family) {
    if (!entry.ifa_addr || !(entry.ifa_flags & IFF_UP) || (entry.ifa_flags & IFF_LOOPBACK)) return "";
    char text[INET6_ADDRSTRLEN] = {};
    if (family == IpFamily::V4 && entry.ifa_addr->sa_family == AF_INET) {
        const auto* in = reinterpret_cast<const sockaddr_in*>(entry.ifa_addr);
        return inet_ntop(AF_INET, &in->sin_addr, text, sizeof text) ? text : "";
    }
    if (family == IpFamily::V6 && entry.ifa_addr->sa_family == AF_INET6) {
        const auto* in6 = reinterpret_cast<const sockaddr_in6*>(entry.ifa_addr);
        if (IN6_IS_ADDR_LINKLOCAL(&in6->sin6_addr)) return "";
        return inet_ntop(AF_INET6, &in6->sin6_addr, text, sizeof text) ? text : "";
    }
    return "";
}

}  // namespace

std::string LanAddress(IpFamily family) {
    ifaddrs* all = nullptr;
    if (getifaddrs(&all) != 0) return "";
    std::string found;
    for (const ifaddrs* entry = all; entry && found.empty(); entry = entry->ifa_next)
        found = Usable(*entry, family);
    freeifaddrs(all);
    return found;
}

std::string ReachableAddress(const std::string& listening) {
    std::string lan;
    if (listening == "0.0.0.0") lan = LanAddress(IpFamily::V4);
    if (listening == "::") lan = LanAddress(IpFamily::V6);
    return lan.empty() ? listening : lan;
}

}  // namespace dsp
