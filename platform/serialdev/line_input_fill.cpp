#include <array>

#include "platform/serialdev/fd_wait.h"
#include "platform/serialdev/line_input.h"

namespace dsp {

LineInput::~LineInput() = default;

void LineInput::Fill() {
    std::array<FdWaitItem, 2> items{FdWaitItem{fd_}, FdWaitItem{stop_}};
    if (WaitForInput(items, -1) != 0) {
        ended_ = true;
        return;
    }
    if (items[1].readable) {
        stopped_ = true;
        return;
    }
    char chunk[4096];
    std::size_t got = 0;
    if (ReadAvailable(fd_, chunk, sizeof chunk, &got) != 0) {
        ended_ = true;
        return;
    }
    buffer_.append(chunk, got);
}

}  // namespace dsp
