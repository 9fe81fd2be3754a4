#include "main/remote/web/web_outbox.h"

#include <algorithm>
#include <vector>

namespace dsp {

WebOutbox::WebOutbox(Writer writer, Closer closer, std::size_t maxQueued)
    : writer_(std::move(writer)),
      closer_(std::move(closer)),
      maxQueued_(maxQueued),
      thread_([this] { Run(); }) {}

WebOutbox::~WebOutbox() { Stop(); }

void WebOutbox::Stop() {
    {
        std::lock_guard guard(lock_);
        stopping_ = true;
        queues_.clear();
    }
    changed_.notify_all();
    if (thread_.joinable()) thread_.join();
}

void WebOutbox::Open(std::uint64_t id) {
    std::lock_guard guard(lock_);
    if (!stopping_) queues_.try_emplace(id);
}

void WebOutbox::Closed(std::uint64_t id) {
    std::unique_lock guard(lock_);
    queues_.erase(id);
    changed_.wait(guard, [&] { return writing_ != id; });
}

void WebOutbox::Queue(std::uint64_t id, std::string text) {
    const auto found = queues_.find(id);
    if (found == queues_.end()) return;
    if (found->second.size() >= maxQueued_) {
        // Fallen too far behind: what it would get next no longer makes a
        // whole picture, so it is closed and comes back for the state.
        // The writing thread closes it: a close can wait on a write.
        queues_.erase(found);
        toClose_.push_back(id);
        return;
    }
    found->second.push_back(std::move(text));
}

void WebOutbox::Push(std::uint64_t id, std::string text) {
    {
        std::lock_guard guard(lock_);
        Queue(id, std::move(text));
    }
    changed_.notify_all();
}

void WebOutbox::Broadcast(const std::string& text) {
    {
        std::lock_guard guard(lock_);
        std::vector<std::uint64_t> ids;
        for (const auto& [id, queue] : queues_) ids.push_back(id);
        for (std::uint64_t id : ids) Queue(id, text);
    }
    changed_.notify_all();
}

void WebOutbox::Run() {
    std::unique_lock guard(lock_);
    while (!stopping_) {
        // One message per connection in turn, so one busy page cannot hold
        // the others back.
        if (!toClose_.empty()) {
            const std::uint64_t id = toClose_.front();
            toClose_.pop_front();
            guard.unlock();
            closer_(id);
            guard.lock();
            continue;
        }
        const auto waiting = [](const auto& queue) { return !queue.second.empty(); };
        auto found = std::find_if(queues_.upper_bound(next_), queues_.end(), waiting);
        if (found == queues_.end()) found = std::find_if(queues_.begin(), queues_.end(), waiting);
        if (found == queues_.end()) {
            next_ = 0;
            changed_.wait(guard);
            continue;
        }
        const std::uint64_t id = found->first;
        std::string text = std::move(found->second.front());
        found->second.pop_front();
        next_ = id;
        writing_ = id;
        guard.unlock();
        const bool written = writer_(id, text);
        guard.lock();
        writing_ = 0;
        changed_.notify_all();
        if (!written) queues_.erase(id);
    }
}

}  // namespace dsp
