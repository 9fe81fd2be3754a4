// TcpSocket::Connect on both systems: the name resolved once, then each
// address tried in turn (ConnectTo is the system's own).

#include "platform/net/tcp_socket.h"

#if defined(_WIN32)
// clang-format off
#include <winsock2.h>
#include <ws2tcpip.h>
// clang-format on
#include "platform/net/win32/winsock.h"
#else
#include <netdb.h>
#include <sys/socket.h>
#endif

#include <cerrno>
#include <memory>

namespace dsp {
namespace {

#if defined(_WIN32)
int StartSockets() { return StartWinsock(); }
int ResolveError(int e) { return e == WSAHOST_NOT_FOUND || e == WSANO_DATA ? socket_error::kNoSuchHost : e; }
#else
int StartSockets() { return 0; }
int ResolveError(int e) { return e == EAI_SYSTEM ? errno : socket_error::kNoSuchHost; }
#endif

}  // namespace

int TcpSocket::Connect(const std::string& host, std::uint16_t port, int timeoutMs) {
    if (IsOpen()) return socket_error::kAlreadyConnected;
    if (int e = StartSockets(); e != 0) return e;
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_NUMERICSERV | AI_ADDRCONFIG;
    addrinfo* found = nullptr;
    const std::string service = std::to_string(port);
    if (int e = getaddrinfo(host.c_str(), service.c_str(), &hints, &found); e != 0) return ResolveError(e);
    std::unique_ptr<addrinfo, decltype(&freeaddrinfo)> list(found, freeaddrinfo);
    int error = socket_error::kHostUnreachable;
    for (const addrinfo* a = found; a; a = a->ai_next) {
        error = ConnectTo(a->ai_addr, unsigned(a->ai_addrlen), a->ai_family, timeoutMs);
        if (error == 0) return 0;
    }
    return error;
}

}  // namespace dsp
