#include "tests/support/web_client.h"

#include <chrono>

namespace dsp::test {
namespace {

void SendAll(TcpSocket& socket, const std::string& data) {
    for (std::size_t done = 0; done < data.size();) {
        std::size_t sent = 0;
        if (socket.Send(data.data() + done, data.size() - done, &sent) != 0) return;
        if (sent == 0) {
            short ready = 0;
            socket.Wait(socket_ready::kWritable, 1000, &ready);
        }
        done += sent;
    }
}

// Reads until `complete(buffer)` or the limit; false on timeout or close.
template <class Complete>
bool ReadUntil(TcpSocket& socket, std::string& buffer, Complete complete, int timeoutMs, bool* closed) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!complete(buffer)) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        short ready = 0;
        socket.Wait(socket_ready::kReadable, static_cast<int>(left.count()), &ready);
        char chunk[4096];
        std::size_t got = 0;
        bool ended = false;
        if (socket.Receive(chunk, sizeof chunk, &got, &ended) != 0 || ended) {
            if (closed) *closed = true;
            buffer.append(chunk, got);
            return complete(buffer);
        }
        buffer.append(chunk, got);
    }
    return true;
}

int StatusOf(const std::string& head) {
    return head.starts_with("HTTP/1.1 ") && head.size() > 12 ? std::stoi(head.substr(9, 3)) : 0;
}

}  // namespace

WebReply WebGet(std::uint16_t port, const std::string& target) {
    TcpSocket socket;
    if (socket.Connect("127.0.0.1", port, 2000) != 0) return {};
    SendAll(socket, "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(port) +
                        "\r\nConnection: close\r\n\r\n");
    std::string reply;
    bool closed = false;
    ReadUntil(
        socket, reply, [](const std::string&) { return false; }, 3000, &closed);
    const std::size_t end = reply.find("\r\n\r\n");
    return {StatusOf(reply), end == std::string::npos ? "" : reply.substr(end + 4)};
}

int WebSocketClient::Open(std::uint16_t port, const std::string& target, const std::string& origin) {
    if (socket_.Connect("127.0.0.1", port, 2000) != 0) return 0;
    std::string request = "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(port) +
                          "\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
                          "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n";
    if (!origin.empty()) request += "Origin: " + origin + "\r\n";
    SendAll(socket_, request + "\r\n");
    const auto headEnds = [](const std::string& b) { return b.find("\r\n\r\n") != std::string::npos; };
    if (!ReadUntil(socket_, buffer_, headEnds, 3000, &closed_)) return StatusOf(buffer_);
    const std::size_t end = buffer_.find("\r\n\r\n") + 4;
    const int status = StatusOf(buffer_);
    buffer_.erase(0, end);
    return status;
}

void WebSocketClient::SendText(const std::string& text) {
    // Client frames are masked; a zero mask keeps the payload readable.
    std::string frame = "\x81";
    if (text.size() < 126) {
        frame += static_cast<char>(0x80 | text.size());
    } else {
        frame += static_cast<char>(0x80 | 126);
        frame += static_cast<char>(text.size() >> 8);
        frame += static_cast<char>(text.size() & 0xff);
    }
    frame += std::string(4, '\0') + text;
    SendAll(socket_, frame);
}

bool WebSocketClient::Fill(std::size_t size, int timeoutMs) {
    return ReadUntil(
        socket_, buffer_, [size](const std::string& b) { return b.size() >= size; }, timeoutMs, &closed_);
}

std::optional<std::string> WebSocketClient::Receive(int timeoutMs) {
    while (Fill(2, timeoutMs)) {
        const auto opcode = static_cast<unsigned char>(buffer_[0]) & 0x0f;
        std::size_t length = static_cast<unsigned char>(buffer_[1]) & 0x7f;
        std::size_t head = 2;
        if (length == 126) {
            if (!Fill(4, timeoutMs)) return std::nullopt;
            length = (static_cast<unsigned char>(buffer_[2]) << 8) | static_cast<unsigned char>(buffer_[3]);
            head = 4;
        }
        if (!Fill(head + length, timeoutMs)) return std::nullopt;
        std::string payload = buffer_.substr(head, length);
        buffer_.erase(0, head + length);
        if (opcode == 0x8) {
            closed_ = true;
            return std::nullopt;
        }
        if (opcode == 0x1) return payload;
    }
    return std::nullopt;
}

bool WebSocketClient::ClosedByServer(int timeoutMs) {
    while (!closed_ && Receive(timeoutMs)) {
    }
    return closed_;
}

}  // namespace dsp::test
