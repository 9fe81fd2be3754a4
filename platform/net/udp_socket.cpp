#include "platform/net/udp_socket.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

#include "platform/net/udp_endpoint_io.h"

namespace dsp {

UdpSocket::~UdpSocket() { Close(); }

int UdpSocket::Bind(const UdpEndpoint& local) {
    if (fd_ >= 0) return EISCONN;
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return errno;
    const sockaddr_in address = ToSockaddr(local);
    if (bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        const int error = errno;
        close(fd);
        return error;
    }
    fd_ = fd;
    return 0;
}

UdpEndpoint UdpSocket::LocalEndpoint() const {
    sockaddr_in address{};
    socklen_t length = sizeof address;
    if (fd_ < 0 || getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) != 0) return {};
    return FromSockaddr(address);
}

int UdpSocket::Receive(void* buffer, std::size_t capacity, UdpReceived* received) {
    *received = {};
    if (fd_ < 0) return EBADF;
    for (;;) {
        sockaddr_in address{};
        socklen_t length = sizeof address;
        // MSG_TRUNC: the result is the datagram's real length.
        const ssize_t n =
            recvfrom(fd_, buffer, capacity, MSG_TRUNC, reinterpret_cast<sockaddr*>(&address), &length);
        if (n >= 0) {
            received->any = true;
            received->truncated = static_cast<std::size_t>(n) > capacity;
            received->size = received->truncated ? capacity : static_cast<std::size_t>(n);
            received->from = FromSockaddr(address);
            return 0;
        }
        if (errno == EINTR) continue;
        return (errno == EAGAIN || errno == EWOULDBLOCK) ? 0 : errno;
    }
}

int UdpSocket::Send(const void* data, std::size_t size, const UdpEndpoint& to) {
    if (fd_ < 0) return EBADF;
    const sockaddr_in address = ToSockaddr(to);
    for (;;) {
        if (sendto(fd_, data, size, MSG_DONTWAIT | MSG_NOSIGNAL, reinterpret_cast<const sockaddr*>(&address),
                   sizeof address) >= 0)
            return 0;
        if (errno != EINTR) return errno;
    }
}

int UdpSocket::WaitReadable(Waitable wake, int timeoutMs, bool* readable) const {
    *readable = false;
    if (fd_ < 0) return EBADF;
    pollfd polls[2] = {{fd_, POLLIN, 0}, {wake, POLLIN, 0}};
    const int n = poll(polls, wake >= 0 ? 2 : 1, timeoutMs);
    if (n < 0) return errno == EINTR ? 0 : errno;
    *readable = (polls[0].revents & (POLLIN | POLLERR)) != 0;
    return 0;
}

void UdpSocket::Close() {
    if (fd_ < 0) return;
    close(fd_);
    fd_ = -1;
}

}  // namespace dsp
