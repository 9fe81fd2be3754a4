#pragma once
// Reads the master side of a pseudo-terminal on a thread of its own from the
// start, as a line's far end would. ser2net empties the terminal's queues
// when a client leaves, so bytes that nobody has read by then are lost; a
// reader that reads only after the client has gone would miss them.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/serialdev/fd_wait.h"
#include "platform/serialdev/stop_signal.h"

namespace dsp::test {

class PtyCollector {
  public:
    explicit PtyCollector(int masterFd) : fd_(masterFd), thread_([this] { Run(); }) {}
    ~PtyCollector() {
        stop_.Signal();
        thread_.join();
    }

    // The next `count` bytes, waiting up to `limit` for them; fewer when
    // they do not come.
    std::vector<std::uint8_t> Take(std::size_t count,
                                   std::chrono::milliseconds limit = std::chrono::seconds(5)) {
        std::unique_lock lock(lock_);
        changed_.wait_for(lock, limit, [&] { return got_.size() >= count; });
        std::size_t n = std::min(count, got_.size());
        std::vector<std::uint8_t> taken(got_.begin(), got_.begin() + static_cast<std::ptrdiff_t>(n));
        got_.erase(got_.begin(), got_.begin() + static_cast<std::ptrdiff_t>(n));
        return taken;
    }

  private:
    void Run() {
        for (;;) {
            FdWaitItem items[2] = {{stop_.Fd()}, {fd_}};
            if (WaitForInput(items, -1) != 0 || items[0].readable) return;
            std::uint8_t buffer[1024];
            std::size_t n = 0;
            if (ReadAvailable(fd_, buffer, sizeof buffer, &n) != 0) return;
            std::lock_guard guard(lock_);
            got_.insert(got_.end(), buffer, buffer + n);
            changed_.notify_all();
        }
    }

    int fd_;
    StopSignal stop_;
    std::mutex lock_;
    std::condition_variable changed_;
    std::vector<std::uint8_t> got_;
    std::thread thread_;
};

}  // namespace dsp::test
