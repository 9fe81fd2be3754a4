#pragma once
// The run-on-main-thread queue. Worker threads hand work to the thread that
// owns the queue (the user-interface thread) and wait; the owner drains the
// queue from its event loop. An event loop learns that work is waiting from
// WakeFd() (an eventfd, readable while items wait) or from the wake callback.
//
// Three hand-offs:
// - RunAndWait: the worker blocks until the owner has run the work; an
//   exception thrown by the work is carried back and rethrown in the worker.
// - PostAndWaitTaken: the worker blocks only until the owner has taken the
//   work off the queue, before it runs; an exception goes to the exception
//   handler (the application's error report), and the worker goes on.
// - Post: the worker does not wait at all; the owner runs the work on its next
//   round, even when posted from the owner thread itself. Whoever posts keeps
//   what the work uses alive until it has run.
//
// While the owner itself waits for a worker (closing a serial port waits for
// its monitoring thread), ServeUntil keeps draining the queue, so a worker
// blocked in a hand-off can finish.

#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace dsp {

class MainThreadQueue {
  public:
    using Work = std::function<void()>;
    using ExceptionHandler = std::function<void(std::exception_ptr)>;

    // The constructing thread owns the queue until BindToCurrentThread.
    MainThreadQueue();
    ~MainThreadQueue();
    MainThreadQueue(const MainThreadQueue&) = delete;
    MainThreadQueue& operator=(const MainThreadQueue&) = delete;

    void BindToCurrentThread();
    bool IsOwnerThread() const;

    // On the owner thread both run the work at once.
    void RunAndWait(Work work);
    void PostAndWaitTaken(Work work);
    void Post(Work work);

    // Owner thread: runs every item queued so far; returns how many ran.
    std::size_t ProcessPending();

    // Owner thread: drains the queue until `done()` holds. It looks again on
    // every Wake() and new item, and at least once per second.
    void ServeUntil(const std::function<bool()>& done);

    // Items waiting to be taken (any thread).
    std::size_t PendingCount() const;

    // Makes ServeUntil look at its condition again (any thread).
    void Wake();

    int WakeFd() const { return wakeFd_; }
    void SetWakeCallback(std::function<void()> callback);
    void SetExceptionHandler(ExceptionHandler handler);

    // Hands an error to the exception handler; without one, prints its text
    // on stderr.
    void ReportException(std::exception_ptr error);

  private:
    struct Item;

    void Enqueue(const std::shared_ptr<Item>& item);
    std::shared_ptr<Item> TakeOne();
    void RunItem(Item& item);

    mutable std::mutex lock_;
    std::condition_variable changed_;
    std::deque<std::shared_ptr<Item>> items_;
    std::thread::id owner_;
    int wakeFd_ = -1;
    std::function<void()> wakeCallback_;
    ExceptionHandler exceptionHandler_;
};

}  // namespace dsp
