#pragma once
// One UDP socket bound to an IPv4 address and port, non-blocking: the OSC
// surface receives its packets on it and answers from it. Every call returns
// 0 or the system's error (errno; the Winsock error on Windows). Sending never blocks: a datagram the kernel
// has no room for is dropped, as the network would drop it.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/net/socket_errors.h"
#include "platform/sys/waitable.h"

namespace dsp {

// An IPv4 address and port, both in host order.
struct UdpEndpoint {
    std::uint32_t address = 0;
    std::uint16_t port = 0;
    friend auto operator<=>(const UdpEndpoint&, const UdpEndpoint&) = default;
    // "127.0.0.1:9000"
    std::string ToString() const;
};

// Reads "ADDR:PORT" or "PORT" (ADDR defaults to `defaultAddress`); the
// address is a dotted IPv4 address. Port 0 asks the system for a free one.
std::optional<UdpEndpoint> ParseUdpEndpoint(std::string_view text, std::string_view defaultAddress);

struct UdpReceived {
    bool any = false;
    std::size_t size = 0;
    bool truncated = false;
    UdpEndpoint from;
};

class UdpSocket {
  public:
    UdpSocket() = default;
    ~UdpSocket();
    UdpSocket(const UdpSocket&) = delete;
    UdpSocket& operator=(const UdpSocket&) = delete;

    int Bind(const UdpEndpoint& local);
    // The address actually bound (the port the system chose for port 0).
    UdpEndpoint LocalEndpoint() const;
    bool IsOpen() const { return fd_ != kNoSocket; }

    // Takes one datagram if one waits (`any` false: none waiting). A datagram
    // longer than `capacity` is taken whole and reported `truncated` (its
    // tail is lost).
    int Receive(void* buffer, std::size_t capacity, UdpReceived* received);
    int Send(const void* data, std::size_t size, const UdpEndpoint& to);

    // Waits until a datagram waits or `wake` is signalled, or timeoutMs
    // passes (-1: no limit).
    int WaitReadable(Waitable wake, int timeoutMs, bool* readable) const;

    void Close();

  private:
    SocketHandle fd_ = kNoSocket;
#if defined(_WIN32)
    Waitable readable_ = kNoWaitable;  // the event Winsock sets on a datagram
#endif
};

}  // namespace dsp
