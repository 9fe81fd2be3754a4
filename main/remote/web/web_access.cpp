#include "main/remote/web/web_access.h"

#include <array>
#include <sstream>

#include "platform/sys/private_file.h"
#include "platform/sys/process_env.h"
#include "platform/sys/small_file.h"

namespace dsp {
namespace {

constexpr std::size_t kTokenBytes = 16;
constexpr std::size_t kMaxTokenFile = 1024;
// Addresses remembered at most: a flood of addresses cannot grow the map.
constexpr std::size_t kMaxRecords = 1024;

bool IsToken(std::string_view text) {
    if (text.size() != kTokenBytes * 2) return false;
    for (char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    return true;
}

std::optional<std::string> NewToken() {
    std::array<unsigned char, kTokenBytes> bytes{};
    if (RandomBytes(bytes.data(), bytes.size()) != 0) return std::nullopt;
    static constexpr char kHex[] = "0123456789abcdef";
    std::string token;
    for (unsigned char b : bytes) token += {kHex[b >> 4], kHex[b & 15]};
    return token;
}

std::optional<WebTokens> ReadTokens(const std::string& text) {
    WebTokens tokens;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("control=")) tokens.control = line.substr(8);
        if (line.starts_with("watch=")) tokens.watch = line.substr(6);
    }
    if (!IsToken(tokens.control) || !IsToken(tokens.watch) || tokens.control == tokens.watch)
        return std::nullopt;
    return tokens;
}

bool SameText(std::string_view a, std::string_view b) {
    if (a.empty() || a.size() != b.size()) return false;
    unsigned char difference = 0;
    for (std::size_t i = 0; i < a.size(); ++i) difference |= static_cast<unsigned char>(a[i] ^ b[i]);
    return difference == 0;
}

// Digits and dots are an IPv4 address only as four numbers up to 255; the web
// server would take "999.1.1.1" for 231.1.1.1.
bool BadDottedAddress(std::string_view host) {
    if (host.empty() || host.find_first_not_of("0123456789.") != std::string_view::npos) return false;
    int parts = 0;
    for (std::size_t start = 0; start <= host.size(); ++parts) {
        const std::size_t dot = std::min(host.find('.', start), host.size());
        const std::string_view part = host.substr(start, dot - start);
        if (part.empty() || part.size() > 3 || std::stoi(std::string(part)) > 255) return true;
        start = dot + 1;
    }
    return parts != 4;
}

}  // namespace

bool ParseWebListen(std::string_view text, std::string& address, std::uint16_t& port) {
    const std::size_t colon = text.rfind(':');
    std::string_view host = colon == std::string_view::npos ? std::string_view() : text.substr(0, colon);
    const std::string_view digits = colon == std::string_view::npos ? text : text.substr(colon + 1);
    if (host.starts_with('[') && host.ends_with(']') && host.size() > 2) {
        host = host.substr(1, host.size() - 2);
    } else if (host.find(':') != std::string_view::npos) {
        return false;  // an IPv6 address needs its brackets
    }
    if (colon != std::string_view::npos && host.empty()) return false;
    if (BadDottedAddress(host)) return false;
    if (digits.empty() || digits.size() > 5) return false;
    unsigned value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    if (value > 65535) return false;
    address = host.empty() ? "127.0.0.1" : std::string(host);
    port = static_cast<std::uint16_t>(value);
    return true;
}

std::string WebTokenPath() {
    std::string base = EnvironmentVariable("XDG_CONFIG_HOME");
    if (base.empty()) {
        const std::string home = EnvironmentVariable("HOME");
        if (home.empty()) return {};
        base = home + "/.config";
    }
    return base + "/dsp-panel/web.token";
}

std::optional<WebTokens> LoadOrMakeWebTokens(const std::string& path, std::string& error) {
    if (path.empty()) return error = "no configuration folder (HOME is not set)", std::nullopt;
    std::string text;
    if (ReadSmallFile(path, kMaxTokenFile, text) == 0)
        if (auto tokens = ReadTokens(text)) return tokens;
    auto control = NewToken();
    auto watch = NewToken();
    if (!control || !watch) return error = "no random numbers for a token", std::nullopt;
    const std::string content = "# dsp-panel web remote tokens: keep this file private\ncontrol=" + *control +
                                "\nwatch=" + *watch + "\n";
    if (const int failure = WritePrivateFile(path, content); failure != 0)
        return error = "cannot write " + path + " (errno " + std::to_string(failure) + ")", std::nullopt;
    return WebTokens{*control, *watch};
}

WebRole RoleForQuery(const WebTokens& tokens, std::string_view query) {
    std::string_view given;
    while (!query.empty()) {
        const std::size_t amp = query.find('&');
        const std::string_view part = query.substr(0, amp);
        if (part.starts_with("t=")) given = part.substr(2);
        query = amp == std::string_view::npos ? std::string_view() : query.substr(amp + 1);
    }
    if (SameText(given, tokens.control)) return WebRole::Control;
    if (SameText(given, tokens.watch)) return WebRole::Watch;
    return WebRole::None;
}

bool OriginAllowed(std::string_view origin, std::string_view host) {
    if (origin.empty()) return true;
    return !host.empty() && origin.starts_with("http://") && origin.substr(7) == host;
}

void FailureBrake::Forget(TimeMs now) {
    for (auto it = records_.begin(); it != records_.end();)
        it = now - it->second.since >= windowMs_ ? records_.erase(it) : std::next(it);
}

bool FailureBrake::Braked(const std::string& address) {
    std::lock_guard guard(lock_);
    Forget(clock_.Now());
    const auto found = records_.find(address);
    return found != records_.end() && found->second.failures >= maxFailures_;
}

void FailureBrake::Failed(const std::string& address) {
    std::lock_guard guard(lock_);
    const TimeMs now = clock_.Now();
    Forget(now);
    if (records_.size() >= kMaxRecords && !records_.contains(address)) return;
    Record& record = records_[address];
    if (record.failures == 0) record.since = now;
    ++record.failures;
}

}  // namespace dsp
