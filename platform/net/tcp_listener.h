#pragma once
// A TCP port listening on the loopback address, for a peer on this machine
// (the Windows build's socket tests; the Linux tests serve with the system
// calls directly). Every call returns 0 or the system's error.

#include <cstdint>

#include "platform/net/socket_errors.h"
#include "platform/net/tcp_socket.h"

namespace dsp {

class TcpListener {
  public:
    TcpListener() = default;
    ~TcpListener();
    TcpListener(const TcpListener&) = delete;
    TcpListener& operator=(const TcpListener&) = delete;

    // Listens on 127.0.0.1 at a port the system picks.
    int ListenOnLoopback();
    std::uint16_t Port() const;
    // Waits up to timeoutMs for a connection and hands it to `peer`;
    // socket_error::kTimedOut when none came.
    int Accept(int timeoutMs, TcpSocket* peer);
    void Close();

  private:
    SocketHandle fd_ = kNoSocket;
};

}  // namespace dsp
