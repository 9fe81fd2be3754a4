#include "platform/net/tcp_listener.h"

// winsock2.h first: the others build on it.
// clang-format off
#include <winsock2.h>
#include <ws2tcpip.h>
// clang-format on

#include "platform/net/udp_endpoint_io.h"
#include "platform/net/win32/winsock.h"

namespace dsp {

TcpListener::~TcpListener() { Close(); }

int TcpListener::ListenOnLoopback() {
    if (fd_ != kNoSocket) return socket_error::kAlreadyConnected;
    if (int e = StartWinsock(); e != 0) return e;
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET) return LastSocketError();
    const sockaddr_in address = ToSockaddr({INADDR_LOOPBACK, 0});
    if (bind(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 || listen(s, 4) != 0) {
        const int error = LastSocketError();
        closesocket(s);
        return error;
    }
    fd_ = s;
    return 0;
}

std::uint16_t TcpListener::Port() const {
    sockaddr_in address{};
    int length = sizeof address;
    if (fd_ == kNoSocket || getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) != 0) return 0;
    return FromSockaddr(address).port;
}

int TcpListener::Accept(int timeoutMs, TcpSocket* peer) {
    if (fd_ == kNoSocket) return socket_error::kBadHandle;
    short ready = 0;
    if (int e = SelectOne(fd_, socket_ready::kReadable, timeoutMs, &ready); e != 0) return e;
    if (ready == 0) return socket_error::kTimedOut;
    const SOCKET accepted = accept(fd_, nullptr, nullptr);
    if (accepted == INVALID_SOCKET) return LastSocketError();
    return peer->Adopt(accepted);
}

void TcpListener::Close() {
    if (fd_ == kNoSocket) return;
    closesocket(fd_);
    fd_ = kNoSocket;
}

}  // namespace dsp
