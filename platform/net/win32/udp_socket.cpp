#include "platform/net/udp_socket.h"

// winsock2.h first: mswsock.h builds on it.
// clang-format off
#include <winsock2.h>
#include <mswsock.h>
// clang-format on

#include <vector>

#include "platform/net/udp_endpoint_io.h"
#include "platform/net/win32/winsock.h"

namespace dsp {

UdpSocket::~UdpSocket() { Close(); }

int UdpSocket::Bind(const UdpEndpoint& local) {
    if (IsOpen()) return socket_error::kAlreadyConnected;
    if (int e = StartWinsock(); e != 0) return e;
    SOCKET s = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    if (s == INVALID_SOCKET) return LastSocketError();
    // Without this, a datagram sent to a peer that has gone makes the next
    // receive fail with "connection reset", which UDP has no use for.
    BOOL report = FALSE;
    DWORD returned = 0;
    WSAIoctl(s, SIO_UDP_CONNRESET, &report, sizeof report, nullptr, 0, &returned, nullptr, nullptr);
    const sockaddr_in address = ToSockaddr(local);
    if (bind(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        const int error = LastSocketError();
        closesocket(s);
        return error;
    }
    return KeepWithReadEvent(s, &fd_, &readable_);
}

UdpEndpoint UdpSocket::LocalEndpoint() const {
    sockaddr_in address{};
    int length = sizeof address;
    if (!IsOpen() || getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) != 0) return {};
    return FromSockaddr(address);
}

int UdpSocket::Receive(void* buffer, std::size_t capacity, UdpReceived* received) {
    *received = {};
    if (!IsOpen()) return socket_error::kBadHandle;
    // Cleared before reading: Winsock sets it again while datagrams are left.
    WSAResetEvent(readable_);
    for (;;) {
        sockaddr_in address{};
        int length = sizeof address;
        const int n = recvfrom(fd_, static_cast<char*>(buffer), int(capacity), 0,
                               reinterpret_cast<sockaddr*>(&address), &length);
        const int error = n < 0 ? LastSocketError() : 0;
        if (error == WSAEWOULDBLOCK) return 0;
        // A port-unreachable report about an earlier send: not a datagram.
        if (error == WSAECONNRESET) continue;
        // Windows gives the head of a longer datagram with WSAEMSGSIZE and
        // drops the rest; its real length is not told.
        if (error != 0 && error != WSAEMSGSIZE) return error;
        received->any = true;
        received->truncated = error == WSAEMSGSIZE;
        received->size = received->truncated ? capacity : std::size_t(n);
        received->from = FromSockaddr(address);
        return 0;
    }
}

int UdpSocket::Send(const void* data, std::size_t size, const UdpEndpoint& to) {
    if (!IsOpen()) return socket_error::kBadHandle;
    const sockaddr_in address = ToSockaddr(to);
    if (sendto(fd_, static_cast<const char*>(data), int(size), 0, reinterpret_cast<const sockaddr*>(&address),
               sizeof address) >= 0)
        return 0;
    const int error = LastSocketError();
    // No room just now: dropped, as the network would drop it.
    return error == WSAEWOULDBLOCK ? 0 : error;
}

int UdpSocket::WaitReadable(Waitable wake, int timeoutMs, bool* readable) const {
    *readable = false;
    if (!IsOpen()) return socket_error::kBadHandle;
    std::vector<Waitable> items{readable_};
    if (wake != kNoWaitable) items.push_back(wake);
    std::vector<bool> ready;
    if (int e = WaitAny(items, timeoutMs, ready); e != 0) return e;
    *readable = ready[0];
    return 0;
}

void UdpSocket::Close() {
    if (!IsOpen()) return;
    CloseWithReadEvent(fd_, readable_);
}

}  // namespace dsp
