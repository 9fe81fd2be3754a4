#pragma once
// Bounded wait for something another thread does: looks every millisecond
// until `done()` holds or the deadline passes.

#include <chrono>
#include <thread>

namespace dsp::test {

template <class Pred>
bool WaitUntil(Pred done, std::chrono::milliseconds limit = std::chrono::seconds(5)) {
    auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

}  // namespace dsp::test
