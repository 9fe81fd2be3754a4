#pragma once
// Messages on their way to the pages, written by one thread of their own, so
// that neither the window nor a page's reading thread ever waits for a slow
// or vanished phone. Each connection may have at most `maxQueued` messages
// waiting; one that falls further behind is closed, and its page comes back
// and asks for the whole state.

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>

namespace dsp {

class WebOutbox {
  public:
    using Writer = std::function<bool(std::uint64_t id, const std::string& text)>;
    using Closer = std::function<void(std::uint64_t id)>;

    WebOutbox(Writer writer, Closer closer, std::size_t maxQueued = 256);
    ~WebOutbox();
    WebOutbox(const WebOutbox&) = delete;
    WebOutbox& operator=(const WebOutbox&) = delete;

    // Messages go only to open connections.
    void Open(std::uint64_t id);
    // Drops what waits for `id`, and waits while a write to it is under way.
    void Closed(std::uint64_t id);

    void Push(std::uint64_t id, std::string text);
    void Broadcast(const std::string& text);

    // Ends the writing thread; what still waits is dropped.
    void Stop();

  private:
    void Queue(std::uint64_t id, std::string text);
    void Run();

    Writer writer_;
    Closer closer_;
    const std::size_t maxQueued_;
    std::mutex lock_;
    std::condition_variable changed_;
    std::map<std::uint64_t, std::deque<std::string>> queues_;
    std::deque<std::uint64_t> toClose_;
    std::uint64_t writing_ = 0;
    std::uint64_t next_ = 0;  // where the round of connections goes on
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace dsp
