#include "platform/serialdev/signal_watch.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <deque>
#include <memory>
#include <mutex>

namespace dsp {
namespace {

// What the console's handler, on a thread the system starts for it, hands to
// the one watch of the process.
struct Requests {
    std::mutex lock;
    std::deque<int> pending;
    HANDLE event = nullptr;  // manual reset: set while requests are pending
    HANDLE ended = nullptr;  // set once the watch's owner is done
    bool status = false;     // Ctrl+Break asks for the status

    ~Requests() {
        if (event) CloseHandle(event);
        if (ended) CloseHandle(ended);
    }
    void Push(int signo) {
        std::lock_guard guard(lock);
        pending.push_back(signo);
        SetEvent(event);
    }
    int Take() {
        std::lock_guard guard(lock);
        if (pending.empty()) return 0;
        const int signo = pending.front();
        pending.pop_front();
        if (pending.empty()) ResetEvent(event);
        return signo;
    }
};

// The handler is a plain function the system calls: the watch it reports to
// is the process's one piece of state for it.
std::mutex activeLock;
std::shared_ptr<Requests> active;

std::shared_ptr<Requests> Active() {
    std::lock_guard guard(activeLock);
    return active;
}

BOOL WINAPI OnConsoleEvent(DWORD type) {
    const std::shared_ptr<Requests> requests = Active();
    if (!requests) return FALSE;
    switch (type) {
        case CTRL_C_EVENT:
            requests->Push(SIGINT);
            return TRUE;
        case CTRL_BREAK_EVENT:
            requests->Push(requests->status ? SIGBREAK : SIGINT);
            return TRUE;
        default:
            // Close, log-off, shut-down: the system ends the process as soon
            // as this returns, so the owner is given the few seconds the
            // system allows to close its port.
            requests->Push(SIGTERM);
            WaitForSingleObject(requests->ended, 4500);
            return TRUE;
    }
}

}  // namespace

SignalWatch::SignalWatch(Watch watch) {
    auto requests = std::make_shared<Requests>();
    requests->status = watch == Watch::EndAndStatus;
    requests->event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    requests->ended = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!requests->event || !requests->ended) {
        error_ = int(GetLastError());
        return;
    }
    {
        std::lock_guard guard(activeLock);
        active = requests;
    }
    SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
    handle_ = requests->event;
}

SignalWatch::~SignalWatch() {
    std::shared_ptr<Requests> requests;
    {
        std::lock_guard guard(activeLock);
        requests.swap(active);
    }
    if (!requests) return;
    SetConsoleCtrlHandler(OnConsoleEvent, FALSE);
    SetEvent(requests->ended);
}

int SignalWatch::Take() {
    const std::shared_ptr<Requests> requests = Active();
    return requests ? requests->Take() : 0;
}

bool SignalWatch::IsStatusRequest(int signo) { return signo == SIGBREAK; }
bool SignalWatch::IsEndRequest(int signo) { return signo == SIGINT || signo == SIGTERM; }

}  // namespace dsp
