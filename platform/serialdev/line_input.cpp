#include "platform/serialdev/line_input.h"

#include <utility>

namespace dsp {

std::optional<std::string> LineInput::TakeLine() {
    const std::size_t end = buffer_.find('\n');
    if (end == std::string::npos) {
        if (!ended_ || buffer_.empty()) return std::nullopt;
        return std::exchange(buffer_, {});
    }
    std::string line = buffer_.substr(0, end);
    buffer_.erase(0, end + 1);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

std::optional<std::string> LineInput::Next() {
    for (;;) {
        if (stopped_) return std::nullopt;
        if (auto line = TakeLine()) return line;
        if (ended_) return std::nullopt;
        Fill();
    }
}

}  // namespace dsp
