#include "platform/dispatch/main_thread_queue.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <stdexcept>

namespace dsp {

struct MainThreadQueue::Item {
    Work work;
    bool carryException = false;  // RunAndWait: rethrow in the worker
    bool taken = false;
    bool finished = false;
    std::exception_ptr error;
};

MainThreadQueue::MainThreadQueue() : owner_(std::this_thread::get_id()) {
    wakeFd_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
}

MainThreadQueue::~MainThreadQueue() {
    if (wakeFd_ >= 0) close(wakeFd_);
}

void MainThreadQueue::BindToCurrentThread() {
    std::lock_guard guard(lock_);
    owner_ = std::this_thread::get_id();
}

bool MainThreadQueue::IsOwnerThread() const {
    std::lock_guard guard(lock_);
    return owner_ == std::this_thread::get_id();
}

void MainThreadQueue::SetWakeCallback(std::function<void()> callback) {
    std::lock_guard guard(lock_);
    wakeCallback_ = std::move(callback);
}

void MainThreadQueue::SetExceptionHandler(ExceptionHandler handler) {
    std::lock_guard guard(lock_);
    exceptionHandler_ = std::move(handler);
}

void MainThreadQueue::Enqueue(const std::shared_ptr<Item>& item) {
    std::function<void()> callback;
    {
        std::lock_guard guard(lock_);
        items_.push_back(item);
        callback = wakeCallback_;
        // Written under the lock, so the fd is readable exactly while items wait.
        if (wakeFd_ >= 0) {
            std::uint64_t one = 1;
            [[maybe_unused]] ssize_t n = write(wakeFd_, &one, sizeof one);
        }
    }
    changed_.notify_all();
    if (callback) callback();
}

void MainThreadQueue::RunAndWait(Work work) {
    if (IsOwnerThread()) {
        work();
        return;
    }
    auto item = std::make_shared<Item>();
    item->work = std::move(work);
    item->carryException = true;
    Enqueue(item);
    std::exception_ptr error;
    {
        std::unique_lock guard(lock_);
        changed_.wait(guard, [&] { return item->finished; });
        // Taken out under the lock: from here this thread alone holds the
        // error, so it is freed where it is caught, whichever thread lets go
        // of the item last.
        error = std::move(item->error);
    }
    if (error) std::rethrow_exception(std::move(error));
}

void MainThreadQueue::PostAndWaitTaken(Work work) {
    if (IsOwnerThread()) {
        try {
            work();
        } catch (...) {
            ReportException(std::current_exception());
        }
        return;
    }
    auto item = std::make_shared<Item>();
    item->work = std::move(work);
    Enqueue(item);
    std::unique_lock guard(lock_);
    changed_.wait(guard, [&] { return item->taken; });
}

void MainThreadQueue::Post(Work work) {
    auto item = std::make_shared<Item>();
    item->work = std::move(work);
    Enqueue(item);
}

std::shared_ptr<MainThreadQueue::Item> MainThreadQueue::TakeOne() {
    std::shared_ptr<Item> item;
    {
        std::lock_guard guard(lock_);
        if (items_.empty()) return nullptr;
        item = items_.front();
        items_.pop_front();
        item->taken = true;
        if (items_.empty() && wakeFd_ >= 0) {
            std::uint64_t value;
            [[maybe_unused]] ssize_t n = read(wakeFd_, &value, sizeof value);
        }
    }
    changed_.notify_all();  // releases a PostAndWaitTaken sender
    return item;
}

void MainThreadQueue::RunItem(Item& item) {
    std::exception_ptr error;
    try {
        item.work();
    } catch (...) {
        error = std::current_exception();
    }
    if (error && !item.carryException) ReportException(error);
    {
        std::lock_guard guard(lock_);
        // Moved, not copied: the owner keeps no hold on an error it hands on.
        if (item.carryException) item.error = std::move(error);
        item.finished = true;
    }
    changed_.notify_all();
}

std::size_t MainThreadQueue::ProcessPending() {
    std::size_t limit;
    {
        std::lock_guard guard(lock_);
        limit = items_.size();
    }
    std::size_t ran = 0;
    // Items queued by the work itself wait for the next round, so a busy
    // worker cannot keep the owner in here for ever.
    while (ran < limit) {
        std::shared_ptr<Item> item = TakeOne();
        if (!item) break;
        RunItem(*item);
        ++ran;
    }
    return ran;
}

void MainThreadQueue::ServeUntil(const std::function<bool()>& done) {
    for (;;) {
        ProcessPending();
        if (done()) return;
        std::unique_lock guard(lock_);
        changed_.wait_for(guard, std::chrono::seconds(1), [&] { return !items_.empty() || done(); });
    }
}

std::size_t MainThreadQueue::PendingCount() const {
    std::lock_guard guard(lock_);
    return items_.size();
}

void MainThreadQueue::Wake() {
    { std::lock_guard guard(lock_); }
    changed_.notify_all();
}

void MainThreadQueue::ReportException(std::exception_ptr error) {
    ExceptionHandler handler;
    {
        std::lock_guard guard(lock_);
        handler = exceptionHandler_;
    }
    if (handler) {
        handler(error);
        return;
    }
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "dsp-panel: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "dsp-panel: unknown error\n");
    }
}

}  // namespace dsp
