#include <charconv>

#include "platform/net/udp_endpoint_io.h"

namespace dsp {

std::string UdpEndpoint::ToString() const {
    in_addr raw{};
    raw.s_addr = htonl(address);
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &raw, text, sizeof text);
    return std::string(text) + ":" + std::to_string(port);
}

std::optional<UdpEndpoint> ParseUdpEndpoint(std::string_view text, std::string_view defaultAddress) {
    const std::size_t colon = text.rfind(':');
    const std::string host(colon == std::string_view::npos ? defaultAddress : text.substr(0, colon));
    const std::string_view portText = colon == std::string_view::npos ? text : text.substr(colon + 1);
    unsigned port = 0;
    auto [end, ec] = std::from_chars(portText.data(), portText.data() + portText.size(), port);
    if (portText.empty() || ec != std::errc{} || end != portText.data() + portText.size() || port > 65535)
        return std::nullopt;
    in_addr raw{};
    if (inet_pton(AF_INET, host.c_str(), &raw) != 1) return std::nullopt;
    return UdpEndpoint{ntohl(raw.s_addr), static_cast<std::uint16_t>(port)};
}

}  // namespace dsp
