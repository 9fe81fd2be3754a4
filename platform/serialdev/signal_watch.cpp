#include "platform/serialdev/signal_watch.h"

#include <cerrno>
#include <csignal>
#include <sys/signalfd.h>
#include <unistd.h>

namespace dsp {
namespace {

sigset_t WatchedSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGUSR1);
    return set;
}

} // namespace

SignalWatch::SignalWatch() {
    sigset_t set = WatchedSignals();
    if (int e = pthread_sigmask(SIG_BLOCK, &set, nullptr); e != 0) {
        error_ = e;
        return;
    }
    fd_ = signalfd(-1, &set, SFD_CLOEXEC | SFD_NONBLOCK);
    if (fd_ < 0) error_ = errno;
}

SignalWatch::~SignalWatch() {
    if (fd_ >= 0) close(fd_);
    sigset_t set = WatchedSignals();
    pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
}

int SignalWatch::Take() {
    signalfd_siginfo info{};
    ssize_t n = read(fd_, &info, sizeof info);
    return n == static_cast<ssize_t>(sizeof info) ? static_cast<int>(info.ssi_signo) : 0;
}

bool SignalWatch::IsStatusRequest(int signo) { return signo == SIGUSR1; }
bool SignalWatch::IsEndRequest(int signo) { return signo == SIGINT || signo == SIGTERM; }

} // namespace dsp
