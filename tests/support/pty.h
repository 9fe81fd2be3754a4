#pragma once
// Pseudo-terminals for serial tests: reading what a port wrote to the master
// side, with a deadline so a missing byte fails the test instead of hanging
// it, and a line whose far end the test holds open.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/serialdev/fd_wait.h"
#include "platform/serialdev/pty_pair.h"

namespace dsp::test {

inline std::vector<std::uint8_t> ReadBytes(int fd, std::size_t count,
                                           std::chrono::milliseconds limit = std::chrono::seconds(5)) {
    std::vector<std::uint8_t> got;
    auto deadline = std::chrono::steady_clock::now() + limit;
    std::uint8_t buffer[4096];
    while (got.size() < count) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline -
                                                                          std::chrono::steady_clock::now());
        if (left.count() <= 0) break;
        FdWaitItem item{fd};
        if (WaitForInput(std::span(&item, 1), static_cast<int>(left.count())) != 0) break;
        std::size_t n = 0;
        if (ReadAvailable(fd, buffer, std::min(sizeof buffer, count - got.size()), &n) != 0) break;
        got.insert(got.end(), buffer, buffer + n);
    }
    return got;
}

// Something readable within `waitMs`. The pty hands bytes on
// asynchronously, so "nothing was written" wants a short wait.
inline bool HasInput(int fd, int waitMs = 0) {
    FdWaitItem item{fd};
    return WaitForInput(std::span(&item, 1), waitMs) == 0 && item.readable;
}

// A pty pair whose slave the test also keeps open: a port that closes its
// side then does not hang the line up, which would drop bytes not yet read
// from the master.
class HeldPty {
  public:
    HeldPty() {
        EXPECT_EQ(pty_.Create(), 0);
        held_ = ::open(pty_.SlavePath().c_str(), O_RDWR | O_NOCTTY);
        EXPECT_GE(held_, 0);
    }
    ~HeldPty() {
        if (held_ >= 0) ::close(held_);
    }
    HeldPty(const HeldPty&) = delete;
    HeldPty& operator=(const HeldPty&) = delete;

    // Both ends gone, as when the adapter is pulled out.
    void Unplug() {
        pty_.CloseMaster();
        if (held_ >= 0) ::close(held_);
        held_ = -1;
    }

    int MasterFd() const { return pty_.MasterFd(); }
    const std::string& SlavePath() const { return pty_.SlavePath(); }

  private:
    PtyPair pty_;
    int held_ = -1;
};

}  // namespace dsp::test
