#pragma once
// The messages between the page and the panel, JSON text over the WebSocket,
// with the parameter names of `frame --list` and the values `send` takes
// (list parameters by item text):
//   page:   {"set": "MAIN-VOL", "value": 31}  {"set": "KEY", "value": "b-5"}
//           {"get": "state"}  {"ping": 7}
//   server: {"rev": 4, "state": {"MAIN-VOL": 31, ...}, "link": "connected", "lang": "en"}
//           {"rev": 5, "change": {"name": "MAIN-VOL", "value": 31}}
//           {"role": "control"} or {"role": "watch"} first, {"pong": 7}, {"error": "..."}
// "LOAD" and "SAVE" are actions: setting them presses the button with that
// memory number; they have no state.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "main/protocol/command_table.h"

namespace dsp {

struct WebSet {
    const CommandRow* row;
    int value;
};
struct WebGetState {};
struct WebPing {
    std::int64_t number;
};
struct WebRefusal {
    std::string reason;
};
using WebRequest = std::variant<WebSet, WebGetState, WebPing, WebRefusal>;

WebRequest ReadWebRequest(std::string_view text);

// The LOAD and SAVE rows.
bool IsWebAction(const CommandRow& row);

struct WebValue {
    const CommandRow* row;
    std::optional<int> value;  // none: a list without a choice (null)
};

// `link`: "connected", "reconnecting" or "disconnected".
std::string WebStateMessage(std::uint64_t rev, std::span<const WebValue> values, std::string_view link,
                            int language);
std::string WebChangeMessage(std::uint64_t rev, const WebValue& change);
std::string WebRoleMessage(bool watching);
std::string WebPongMessage(std::int64_t number);
std::string WebErrorMessage(std::string_view reason);

}  // namespace dsp
