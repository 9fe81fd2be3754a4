#pragma once
// Reading what a port wrote to the master side of a pseudo-terminal, with a
// deadline so a missing byte fails the test instead of hanging it.

#include <chrono>
#include <cstdint>
#include <vector>

#include "platform/serialdev/fd_wait.h"

namespace dsp::test {

inline std::vector<std::uint8_t> ReadBytes(int fd, std::size_t count,
                                           std::chrono::milliseconds limit = std::chrono::seconds(5)) {
    std::vector<std::uint8_t> got;
    auto deadline = std::chrono::steady_clock::now() + limit;
    std::uint8_t buffer[4096];
    while (got.size() < count) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) break;
        FdWaitItem item{fd};
        if (WaitForInput(std::span(&item, 1), static_cast<int>(left.count())) != 0) break;
        std::size_t n = 0;
        if (ReadAvailable(fd, buffer, std::min(sizeof buffer, count - got.size()), &n) != 0) break;
        got.insert(got.end(), buffer, buffer + n);
    }
    return got;
}

inline bool HasInput(int fd) {
    FdWaitItem item{fd};
    return WaitForInput(std::span(&item, 1), 0) == 0 && item.readable;
}

} // namespace dsp::test
