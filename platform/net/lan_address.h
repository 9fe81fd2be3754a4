#pragma once
// This computer's address on its local network: what a phone on the same
// network opens when a server listens on every interface (0.0.0.0 or ::).

#include <string>

namespace dsp {

enum class IpFamily { V4, V6 };

// The first address of the family on an interface that is up and not the
// loopback (IPv6: not link-local either, which a URL cannot carry without
// its zone); "" when there is none.
std::string LanAddress(IpFamily family);

// The address to give others for a server listening on `listening`: the LAN
// address for a wildcard ("0.0.0.0", "::") when there is one, else
// `listening` itself.
std::string ReachableAddress(const std::string& listening);

}  // namespace dsp
