#include "platform/serialdev/signal_watch.h"

#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace dsp {
namespace {

sigset_t WatchedSignals(SignalWatch::Watch watch) {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    if (watch == SignalWatch::Watch::EndAndStatus) sigaddset(&set, SIGUSR1);
    return set;
}

}  // namespace

SignalWatch::SignalWatch(Watch watch) : set_(WatchedSignals(watch)) {
    if (int e = pthread_sigmask(SIG_BLOCK, &set_, nullptr); e != 0) {
        error_ = e;
        return;
    }
    handle_ = signalfd(-1, &set_, SFD_CLOEXEC | SFD_NONBLOCK);
    if (handle_ < 0) error_ = errno;
}

SignalWatch::~SignalWatch() {
    // The owner is ending: a request that came meanwhile is being answered
    // already, and must not strike once the signals are unblocked.
    if (handle_ >= 0) {
        while (Take() != 0) {
        }
        close(handle_);
    }
    pthread_sigmask(SIG_UNBLOCK, &set_, nullptr);
}

int SignalWatch::Take() {
    signalfd_siginfo info{};
    ssize_t n = read(handle_, &info, sizeof info);
    return n == static_cast<ssize_t>(sizeof info) ? static_cast<int>(info.ssi_signo) : 0;
}

bool SignalWatch::IsStatusRequest(int signo) { return signo == SIGUSR1; }
bool SignalWatch::IsEndRequest(int signo) { return signo == SIGINT || signo == SIGTERM; }

}  // namespace dsp
