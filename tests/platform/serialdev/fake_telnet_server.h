#pragma once
// A TCP server on loopback for one connection at a time, driven by a script
// that runs on its own thread with the connected socket. Scripts read with a
// deadline, so a client that sends too little fails the test, not hangs it.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <thread>
#include <vector>

namespace dsp::test {

class FakeServer {
  public:
    using Script = std::function<void(int fd)>;

    FakeServer() {
        listen_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof a;
        if (bind(listen_, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 && listen(listen_, 4) == 0 &&
            getsockname(listen_, reinterpret_cast<sockaddr*>(&a), &size) == 0)
            port_ = ntohs(a.sin_port);
    }
    ~FakeServer() {
        Join();
        if (listen_ >= 0) close(listen_);
    }

    int Port() const { return port_; }

    // Accepts the next connection and runs the script with it; the
    // connection is closed when the script returns.
    void Serve(Script script) {
        thread_ = std::thread([this, script = std::move(script)] {
            pollfd p{listen_, POLLIN, 0};
            if (poll(&p, 1, 5000) != 1) return;
            int fd = accept4(listen_, nullptr, nullptr, SOCK_CLOEXEC);
            if (fd < 0) return;
            script(fd);
            close(fd);
        });
    }
    void Join() {
        if (thread_.joinable()) thread_.join();
    }

  private:
    int listen_ = -1;
    int port_ = 0;
    std::thread thread_;
};

// Reads until `enough(bytes)` holds, the peer closes or `limit` passes.
template <class Enough>
std::vector<std::uint8_t> ReadUntil(int fd, Enough enough,
                                    std::chrono::milliseconds limit = std::chrono::seconds(5)) {
    std::vector<std::uint8_t> got;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!enough(got)) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline -
                                                                          std::chrono::steady_clock::now());
        if (left.count() <= 0) break;
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(left.count())) != 1) break;
        std::uint8_t buffer[1024];
        ssize_t n = read(fd, buffer, sizeof buffer);
        if (n <= 0) break;
        got.insert(got.end(), buffer, buffer + n);
    }
    return got;
}

inline void SendBytes(int fd, const std::vector<std::uint8_t>& bytes) {
    if (!bytes.empty()) (void)!send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
}

// A port on loopback that nothing listens on (bound, then released).
inline int UnusedPort() {
    FakeServer probe;
    return probe.Port();
}

}  // namespace dsp::test
