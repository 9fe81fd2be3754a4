#pragma once
// A minimal HTTP and WebSocket client for the web remote's tests, over the
// project's TCP socket: one GET, or one WebSocket with text messages. Every
// wait has a limit.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/net/tcp_socket.h"

namespace dsp::test {

struct WebReply {
    int status = 0;  // 0: no answer
    std::string body;
};

// GET `target` ("/?t=...") from 127.0.0.1:port.
WebReply WebGet(std::uint16_t port, const std::string& target);

class WebSocketClient {
  public:
    // The handshake's status: 101 when it opened.
    int Open(std::uint16_t port, const std::string& target, const std::string& origin = "");
    void SendText(const std::string& text);
    // The next text message, or nothing when none came within the limit or the
    // connection closed.
    std::optional<std::string> Receive(int timeoutMs = 3000);
    // True once the server has closed the connection (within the limit).
    bool ClosedByServer(int timeoutMs = 3000);

  private:
    bool Fill(std::size_t size, int timeoutMs);

    TcpSocket socket_;
    std::string buffer_;
    bool closed_ = false;
};

}  // namespace dsp::test
