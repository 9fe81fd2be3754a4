#pragma once
// A watchdog for tests of things that could hang (a blocked write, a close
// waiting on a thread): past its limit it names the case and aborts the test
// program at once, instead of the run stalling until CTest gives up.

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace dsp::test {

class Watchdog {
  public:
    Watchdog(std::string what, std::chrono::milliseconds limit)
        : what_(std::move(what)), thread_([this, limit] { Watch(limit); }) {}
    ~Watchdog() {
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        wake_.notify_one();
        thread_.join();
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

  private:
    void Watch(std::chrono::milliseconds limit) {
        std::unique_lock lock(mutex_);
        if (wake_.wait_for(lock, limit, [this] { return done_; })) return;
        std::fprintf(stderr, "watchdog: %s did not finish within %lld ms\n", what_.c_str(),
                     static_cast<long long>(limit.count()));
        std::abort();
    }

    std::string what_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool done_ = false;
    std::thread thread_;
};

}  // namespace dsp::test
