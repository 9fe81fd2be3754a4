#include "platform/dispatch/main_thread_queue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>

#include "platform/sys/waitable.h"

namespace dsp {
namespace {

TEST(MainThreadQueue, RunAndWaitRunsOnTheOwnerAndCarriesErrorsBack) {
    MainThreadQueue queue;
    std::thread::id ranOn;
    std::atomic<bool> workerDone = false;
    std::string caught;
    int wakes = 0;
    queue.SetWakeCallback([&] { ++wakes; });
    std::thread worker([&] {
        queue.RunAndWait([&] { ranOn = std::this_thread::get_id(); });
        try {
            queue.RunAndWait([] { throw std::runtime_error("boom"); });
        } catch (const std::runtime_error& e) {
            caught = e.what();
        }
        workerDone = true;
        queue.Wake();
    });
    queue.ServeUntil([&] { return workerDone.load(); });
    worker.join();
    EXPECT_EQ(ranOn, std::this_thread::get_id());
    EXPECT_EQ(caught, "boom");
    EXPECT_EQ(wakes, 2);
    EXPECT_FALSE(IsSignalled(queue.WakeHandle()));
    // On the owner itself the work runs at once.
    bool ran = false;
    queue.RunAndWait([&] { ran = true; });
    EXPECT_TRUE(ran);
}

TEST(MainThreadQueue, PostReleasesTheSenderBeforeTheWorkRuns) {
    MainThreadQueue queue;
    std::atomic<bool> senderReleased = false;
    std::string reported;
    queue.SetExceptionHandler([&](std::exception_ptr e) {
        try {
            std::rethrow_exception(e);
        } catch (const std::exception& x) {
            reported = x.what();
        }
    });
    std::thread sender([&] {
        queue.PostAndWaitTaken([&] {
            // The sender goes on while this runs: wait for it here.
            while (!senderReleased) std::this_thread::yield();
            throw std::runtime_error("handler failed");
        });
        senderReleased = true;
    });
    while (queue.PendingCount() == 0) std::this_thread::yield();
    EXPECT_TRUE(IsSignalled(queue.WakeHandle()));
    EXPECT_EQ(queue.ProcessPending(), 1u);
    sender.join();
    EXPECT_EQ(reported, "handler failed");
    EXPECT_FALSE(IsSignalled(queue.WakeHandle()));
}

}  // namespace
}  // namespace dsp
