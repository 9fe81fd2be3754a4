#pragma once
// Who may use the web remote: the two tokens (one that may change the panel,
// one that may only watch), where they are kept, the Origin rule for
// WebSockets, and the brake on guessing tokens.

#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "platform/framework/clock.h"

namespace dsp {

enum class WebRole { None, Watch, Control };

struct WebTokens {
    std::string control;
    std::string watch;
};

// `[ADDR:]PORT` of --web: an IPv4 address, an IPv6 address in brackets, or
// nothing for 127.0.0.1 (this computer only). Port 0 picks a free one.
bool ParseWebListen(std::string_view text, std::string& address, std::uint16_t& port);

// `web.token` in the per-user configuration folder.
std::string WebTokenPath();

// Reads the tokens from `path`, or makes new ones and writes them there
// (mode 0600) when the file is missing or holds no valid tokens. Nothing and
// `error` set when neither works.
std::optional<WebTokens> LoadOrMakeWebTokens(const std::string& path, std::string& error);

// The role the query's `t` parameter grants. Tokens are compared in time that
// does not depend on where they first differ.
WebRole RoleForQuery(const WebTokens& tokens, std::string_view query);

// A browser's WebSocket carries the page's origin; it must be this server
// itself, or a page elsewhere could drive the panel with a token it learnt.
// Clients that are not browsers send no Origin and pass.
bool OriginAllowed(std::string_view origin, std::string_view host);

// After `maxFailures` wrong tokens from one address within `windowMs`, that
// address is refused everything until the window has passed.
class FailureBrake {
  public:
    FailureBrake(const Clock& clock, int maxFailures = 10, TimeMs windowMs = 60000)
        : clock_(clock), maxFailures_(maxFailures), windowMs_(windowMs) {}

    bool Braked(const std::string& address);
    void Failed(const std::string& address);

  private:
    struct Record {
        TimeMs since = 0;
        int failures = 0;
    };
    void Forget(TimeMs now);

    const Clock& clock_;
    const int maxFailures_;
    const TimeMs windowMs_;
    std::mutex lock_;
    std::map<std::string, Record> records_;
};

}  // namespace dsp
