#include "platform/net/tcp_socket.h"

#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

namespace dsp {
namespace {

// Keepalive: first probe after 10 s of silence, then every 5 s, 3 tries.
constexpr int kKeepIdleSeconds = 10;
constexpr int kKeepIntervalSeconds = 5;
constexpr int kKeepCount = 3;

int PollRetrying(pollfd* fd, int timeoutMs) {
    for (;;) {
        int r = poll(fd, 1, timeoutMs);
        if (r >= 0 || errno != EINTR) return r;
    }
}

}  // namespace

TcpSocket::~TcpSocket() { Close(); }

int TcpSocket::ConnectTo(const void* address, unsigned length, int family, int timeoutMs) {
    int fd = socket(family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return errno;
    int error = 0;
    if (connect(fd, static_cast<const sockaddr*>(address), length) != 0) {
        error = errno;
        if (error == EINPROGRESS) {
            pollfd p{fd, POLLOUT, 0};
            int r = PollRetrying(&p, timeoutMs);
            socklen_t size = sizeof error;
            if (r < 0)
                error = errno;
            else if (r == 0)
                error = ETIMEDOUT;
            else if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) != 0)
                error = errno;
        }
    }
    if (error != 0) {
        close(fd);
        return error;
    }
    fd_ = fd;
    SetOptions();
    return 0;
}

void TcpSocket::SetOptions() {
    // Best effort: a connection without them still works, only slower to
    // send or to notice a dead peer.
    int on = 1;
    setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    setsockopt(fd_, SOL_SOCKET, SO_KEEPALIVE, &on, sizeof on);
    setsockopt(fd_, IPPROTO_TCP, TCP_KEEPIDLE, &kKeepIdleSeconds, sizeof kKeepIdleSeconds);
    setsockopt(fd_, IPPROTO_TCP, TCP_KEEPINTVL, &kKeepIntervalSeconds, sizeof kKeepIntervalSeconds);
    setsockopt(fd_, IPPROTO_TCP, TCP_KEEPCNT, &kKeepCount, sizeof kKeepCount);
}

int TcpSocket::Send(const void* data, std::size_t size, std::size_t* sent) {
    *sent = 0;
    if (fd_ < 0) return EBADF;
    for (;;) {
        ssize_t n = send(fd_, data, size, MSG_NOSIGNAL);
        if (n >= 0) {
            *sent = static_cast<std::size_t>(n);
            return 0;
        }
        if (errno == EINTR) continue;
        return (errno == EAGAIN || errno == EWOULDBLOCK) ? 0 : errno;
    }
}

int TcpSocket::Receive(void* data, std::size_t size, std::size_t* got, bool* closed) {
    *got = 0;
    *closed = false;
    if (fd_ < 0) return EBADF;
    for (;;) {
        ssize_t n = recv(fd_, data, size, 0);
        if (n > 0) {
            *got = static_cast<std::size_t>(n);
            return 0;
        }
        if (n == 0) {
            *closed = true;
            return 0;
        }
        if (errno == EINTR) continue;
        return (errno == EAGAIN || errno == EWOULDBLOCK) ? 0 : errno;
    }
}

Waitable TcpSocket::Readable() const { return fd_; }

int TcpSocket::Wait(short events, int timeoutMs, short* ready) const {
    *ready = 0;
    if (fd_ < 0) return EBADF;
    const short wanted = static_cast<short>(((events & socket_ready::kReadable) ? POLLIN : 0) |
                                            ((events & socket_ready::kWritable) ? POLLOUT : 0));
    pollfd p{fd_, wanted, 0};
    int r = PollRetrying(&p, timeoutMs);
    if (r < 0) return errno;
    if (r == 0) return 0;
    // An error or a hang-up is found by the next receive or send.
    const bool failed = (p.revents & (POLLERR | POLLHUP)) != 0;
    if ((p.revents & POLLIN) || failed) *ready |= events & socket_ready::kReadable;
    if ((p.revents & POLLOUT) || failed) *ready |= events & socket_ready::kWritable;
    return 0;
}

void TcpSocket::ShutdownSend() {
    if (fd_ >= 0) shutdown(fd_, SHUT_WR);
}

void TcpSocket::Close() {
    if (fd_ < 0) return;
    close(fd_);
    fd_ = -1;
}

}  // namespace dsp
