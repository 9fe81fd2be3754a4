// The web remote's message reader: what a page (or anyone with a token)
// sends over the WebSocket.
#include <string>
#include <string_view>

#include "main/remote/web/web_protocol.h"
#include "tests/fuzz/fuzz_entries.h"
#include "tests/fuzz/fuzz_targets.h"

namespace dsp {

// A setting names a row by its own name and carries a value in its range;
// the change message written for it reads back, as a setting, to that value.
int FuzzWebMessage(const std::uint8_t* data, std::size_t size) {
    const WebRequest request = ReadWebRequest({reinterpret_cast<const char*>(data), size});
    if (std::holds_alternative<WebRefusal>(request)) return 1;
    const auto* set = std::get_if<WebSet>(&request);
    if (!set) return 0;
    FuzzCheck(set->row && FindCommand(set->row->name) == set->row, "a setting names a row of the table");
    FuzzCheck(set->value >= set->row->minValue && set->value <= set->row->maxValue, "a setting is in range");
    std::string message = WebChangeMessage(1, {set->row, set->value});
    // {"rev":1,"change":{"name":N,"value":V}} -> {"set":N,"value":V}
    message = "{\"set\":" + message.substr(message.find("\"name\":") + 7);
    message.pop_back();
    const auto again = ReadWebRequest(message);
    const auto* back = std::get_if<WebSet>(&again);
    FuzzCheck(back && back->row == set->row && back->value == set->value, "a written change reads back");
    return 0;
}

}  // namespace dsp
