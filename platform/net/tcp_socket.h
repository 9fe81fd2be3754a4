#pragma once
// One TCP connection, non-blocking, with the options a serial line over the
// network wants: no Nagle delay (a 4-byte frame leaves at once) and keepalive
// probes (a peer that vanished without a word is noticed within a minute).
//
// Every call returns 0 or errno; the device layer above turns that into its
// own errors. Writes never raise SIGPIPE.

#include <cstddef>
#include <cstdint>
#include <string>

namespace dsp {

class TcpSocket {
  public:
    TcpSocket() = default;
    ~TcpSocket();
    TcpSocket(const TcpSocket&) = delete;
    TcpSocket& operator=(const TcpSocket&) = delete;

    // Resolves `host` and connects to the first address that answers, giving
    // up after timeoutMs per address. A name that does not resolve gives ENXIO.
    int Connect(const std::string& host, std::uint16_t port, int timeoutMs);
    bool IsOpen() const { return fd_ >= 0; }
    int Fd() const { return fd_; }

    // Sends what the socket takes now; `sent` 0 with result 0 means it is full.
    int Send(const void* data, std::size_t size, std::size_t* sent);
    // Reads what is there now. `got` 0 with result 0 means nothing waiting;
    // `closed` is set when the peer has ended the connection.
    int Receive(void* data, std::size_t size, std::size_t* got, bool* closed);

    // Waits up to timeoutMs (-1: no limit) for POLLIN/POLLOUT; `ready` gets
    // the returned events (0 on timeout).
    int Wait(short events, int timeoutMs, short* ready) const;

    // No more sending: the peer sees the end of the stream.
    void ShutdownSend();
    void Close();

  private:
    int ConnectTo(const void* address, unsigned length, int family, int timeoutMs);
    void SetOptions();

    int fd_ = -1;
};

}  // namespace dsp
