#include "platform/serialdev/line_input.h"

#include <array>
#include <utility>

#include "platform/serialdev/fd_wait.h"

namespace dsp {

std::optional<std::string> LineInput::TakeLine() {
    const std::size_t end = buffer_.find('\n');
    if (end == std::string::npos) {
        if (!ended_ || buffer_.empty()) return std::nullopt;
        return std::exchange(buffer_, {});
    }
    std::string line = buffer_.substr(0, end);
    buffer_.erase(0, end + 1);
    return line;
}

std::optional<std::string> LineInput::Next() {
    for (;;) {
        if (stopped_) return std::nullopt;
        if (auto line = TakeLine()) return line;
        if (ended_) return std::nullopt;
        std::array<FdWaitItem, 2> items{FdWaitItem{fd_}, FdWaitItem{stopFd_}};
        if (WaitForInput(items, -1) != 0) return std::nullopt;
        if (items[1].readable) {
            stopped_ = true;
            continue;
        }
        char chunk[4096];
        std::size_t got = 0;
        if (ReadAvailable(fd_, chunk, sizeof chunk, &got) != 0) {
            ended_ = true;
            continue;
        }
        buffer_.append(chunk, got);
    }
}

}  // namespace dsp
