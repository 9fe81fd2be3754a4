#pragma once
// Port names that lead to the network instead of a device file:
//   socket://HOST:PORT    a raw TCP connection (bytes pass as they are)
//   rfc2217://HOST:PORT   Telnet with the COM-port control option, which
//                         also sets the remote line (speed, format, flow)
// HOST is a name, an IPv4 address or an IPv6 address in brackets
// ("rfc2217://[::1]:3001"). The scheme is matched in any letter case.

#include <cstdint>
#include <string>
#include <string_view>

namespace dsp {

enum class NetworkProtocol { RawTcp, Rfc2217 };

struct NetworkPortName {
    NetworkProtocol protocol = NetworkProtocol::RawTcp;
    std::string host;
    std::uint16_t port = 0;
};

// True when the name starts with one of the schemes (valid or not), so a
// malformed network name is refused rather than looked up under /dev.
bool IsNetworkPortName(std::string_view name);

// False when the scheme is unknown, the host is empty or the port is not a
// number from 1 to 65535.
bool ParseNetworkPortName(std::string_view name, NetworkPortName* parsed);

}  // namespace dsp
