#include "platform/serialdev/network_port_name.h"

#include <charconv>
#include <optional>

namespace dsp {
namespace {

struct Scheme {
    std::string_view prefix;
    NetworkProtocol protocol;
};

constexpr Scheme kSchemes[] = {
    {"socket://", NetworkProtocol::RawTcp},
    {"rfc2217://", NetworkProtocol::Rfc2217},
};

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i]) return false;
    }
    return true;
}

const Scheme* FindScheme(std::string_view name) {
    for (const Scheme& s : kSchemes)
        if (StartsWithNoCase(name, s.prefix)) return &s;
    return nullptr;
}

std::optional<std::uint16_t> ParsePort(std::string_view text) {
    unsigned value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (value < 1 || value > 65535) return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

}  // namespace

bool IsNetworkPortName(std::string_view name) { return FindScheme(name) != nullptr; }

bool ParseNetworkPortName(std::string_view name, NetworkPortName* parsed) {
    const Scheme* scheme = FindScheme(name);
    if (!scheme) return false;
    std::string_view rest = name.substr(scheme->prefix.size());
    std::string_view host;
    std::string_view port;
    if (!rest.empty() && rest.front() == '[') {
        std::size_t close = rest.find(']');
        if (close == std::string_view::npos || close + 1 >= rest.size() || rest[close + 1] != ':')
            return false;
        host = rest.substr(1, close - 1);
        port = rest.substr(close + 2);
    } else {
        std::size_t colon = rest.rfind(':');
        if (colon == std::string_view::npos) return false;
        host = rest.substr(0, colon);
        port = rest.substr(colon + 1);
        if (host.find(':') != std::string_view::npos) return false;  // IPv6 needs brackets
    }
    if (host.empty() || host.find_first_of("/ \t") != std::string_view::npos) return false;
    std::optional<std::uint16_t> number = ParsePort(port);
    if (!number) return false;
    parsed->protocol = scheme->protocol;
    parsed->host = std::string(host);
    parsed->port = *number;
    return true;
}

}  // namespace dsp
