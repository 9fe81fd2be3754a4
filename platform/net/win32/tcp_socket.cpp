#include "platform/net/tcp_socket.h"

// winsock2.h first: the others build on it.
// clang-format off
#include <winsock2.h>
#include <ws2tcpip.h>
#include <mstcpip.h>
// clang-format on

#include "platform/net/win32/winsock.h"

namespace dsp {
namespace {

// Keepalive: first probe after 10 s of silence, then every 5 s.
constexpr ULONG kKeepIdleMs = 10000;
constexpr ULONG kKeepIntervalMs = 5000;

int PendingError(SOCKET s) {
    int error = 0;
    int size = sizeof error;
    if (getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &size) != 0)
        return LastSocketError();
    return error;
}

}  // namespace

TcpSocket::~TcpSocket() { Close(); }

int TcpSocket::ConnectTo(const void* address, unsigned length, int family, int timeoutMs) {
    SOCKET s = socket(family, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET) return LastSocketError();
    u_long nonBlocking = 1;
    int error = ioctlsocket(s, FIONBIO, &nonBlocking) == 0 ? 0 : LastSocketError();
    if (error == 0 && connect(s, static_cast<const sockaddr*>(address), int(length)) != 0) {
        error = LastSocketError();
        if (error == WSAEWOULDBLOCK) {
            short ready = 0;
            error = SelectOne(s, socket_ready::kWritable, timeoutMs, &ready);
            if (error == 0) error = ready == 0 ? socket_error::kTimedOut : PendingError(s);
        }
    }
    if (error != 0) {
        closesocket(s);
        return error;
    }
    return Adopt(s);
}

int TcpSocket::Adopt(SocketHandle connected) {
    if (IsOpen()) {
        closesocket(connected);
        return socket_error::kAlreadyConnected;
    }
    if (int e = KeepWithReadEvent(connected, &fd_, &readable_); e != 0) return e;
    SetOptions();
    return 0;
}

void TcpSocket::SetOptions() {
    // Best effort: a connection without them still works, only slower to
    // send or to notice a dead peer.
    const SOCKET s = fd_;
    BOOL on = TRUE;
    setsockopt(s, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&on), sizeof on);
    setsockopt(s, SOL_SOCKET, SO_KEEPALIVE, reinterpret_cast<const char*>(&on), sizeof on);
    tcp_keepalive keep{1, kKeepIdleMs, kKeepIntervalMs};
    DWORD returned = 0;
    WSAIoctl(s, SIO_KEEPALIVE_VALS, &keep, sizeof keep, nullptr, 0, &returned, nullptr, nullptr);
}

Waitable TcpSocket::Readable() const { return readable_; }

int TcpSocket::Send(const void* data, std::size_t size, std::size_t* sent) {
    *sent = 0;
    if (!IsOpen()) return socket_error::kBadHandle;
    const int n = send(fd_, static_cast<const char*>(data), int(size), 0);
    if (n >= 0) {
        *sent = std::size_t(n);
        return 0;
    }
    const int error = LastSocketError();
    return error == WSAEWOULDBLOCK ? 0 : error;
}

int TcpSocket::Receive(void* data, std::size_t size, std::size_t* got, bool* closed) {
    *got = 0;
    *closed = false;
    if (!IsOpen()) return socket_error::kBadHandle;
    // Cleared before reading: Winsock sets it again if data is left after
    // this recv, or when more comes.
    WSAResetEvent(readable_);
    const int n = recv(fd_, static_cast<char*>(data), int(size), 0);
    if (n > 0) {
        *got = std::size_t(n);
        return 0;
    }
    if (n == 0) {
        *closed = true;
        return 0;
    }
    const int error = LastSocketError();
    return error == WSAEWOULDBLOCK ? 0 : error;
}

int TcpSocket::Wait(short events, int timeoutMs, short* ready) const {
    *ready = 0;
    if (!IsOpen()) return socket_error::kBadHandle;
    return SelectOne(fd_, events, timeoutMs, ready);
}

void TcpSocket::ShutdownSend() {
    if (IsOpen()) shutdown(fd_, SD_SEND);
}

void TcpSocket::Close() {
    if (!IsOpen()) return;
    CloseWithReadEvent(fd_, readable_);
}

}  // namespace dsp
