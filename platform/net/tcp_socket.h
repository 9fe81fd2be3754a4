#pragma once
// One TCP connection, non-blocking, with the options a serial line over the
// network wants: no Nagle delay (a 4-byte frame leaves at once) and keepalive
// probes (a peer that vanished without a word is noticed within a minute).
//
// Every call returns 0 or the system's error (errno on Linux, the Winsock
// error on Windows; socket_errors.h names the ones callers look at); the
// device layer above turns that into its own errors. Writes never raise
// SIGPIPE.

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/net/socket_errors.h"
#include "platform/sys/waitable.h"

namespace dsp {

// What Wait waits for, and what it found.
namespace socket_ready {
inline constexpr short kReadable = 0x1;  // data, the end of the stream or an error
inline constexpr short kWritable = 0x2;
}  // namespace socket_ready

class TcpSocket {
  public:
    TcpSocket() = default;
    ~TcpSocket();
    TcpSocket(const TcpSocket&) = delete;
    TcpSocket& operator=(const TcpSocket&) = delete;

    // Resolves `host` and connects to the first address that answers, giving
    // up after timeoutMs per address. A name that does not resolve gives
    // socket_error::kNoSuchHost.
    int Connect(const std::string& host, std::uint16_t port, int timeoutMs);
    bool IsOpen() const { return fd_ != kNoSocket; }
    SocketHandle Fd() const { return fd_; }
    // Signalled while data (or the end of the stream) waits to be received,
    // for a loop that waits on other things too (WaitAny). kNoWaitable when
    // the socket is closed.
    Waitable Readable() const;

    // Sends what the socket takes now; `sent` 0 with result 0 means it is full.
    int Send(const void* data, std::size_t size, std::size_t* sent);
    // Reads what is there now. `got` 0 with result 0 means nothing waiting;
    // `closed` is set when the peer has ended the connection.
    int Receive(void* data, std::size_t size, std::size_t* got, bool* closed);

    // Waits up to timeoutMs (-1: no limit) for socket_ready events; `ready`
    // gets those found (0 on timeout).
    int Wait(short events, int timeoutMs, short* ready) const;

#if defined(_WIN32)
    // Takes a connection accepted by a TcpListener, with the same options as
    // one this socket made; the connection is closed when it cannot be kept.
    int Adopt(SocketHandle connected);
#endif

    // No more sending: the peer sees the end of the stream.
    void ShutdownSend();
    void Close();

  private:
    int ConnectTo(const void* address, unsigned length, int family, int timeoutMs);
    void SetOptions();

    SocketHandle fd_ = kNoSocket;
#if defined(_WIN32)
    Waitable readable_ = kNoWaitable;  // the event Winsock sets on data or close
#endif
};

}  // namespace dsp
