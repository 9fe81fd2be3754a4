#include "platform/net/win32/winsock.h"

#include "platform/net/socket_errors.h"
#include "platform/net/tcp_socket.h"
#include "platform/sys/win32/wide_text.h"

namespace dsp {

int StartWinsock() {
    // Never undone: the sockets may live until the process ends.
    static const int result = [] {
        WSADATA data{};
        return WSAStartup(MAKEWORD(2, 2), &data);
    }();
    return result;
}

Waitable MakeReadEvent(SOCKET s, int* error) {
    WSAEVENT event = WSACreateEvent();
    if (event == WSA_INVALID_EVENT) {
        *error = LastSocketError();
        return kNoWaitable;
    }
    if (WSAEventSelect(s, event, FD_READ | FD_CLOSE) != 0) {
        *error = LastSocketError();
        WSACloseEvent(event);
        return kNoWaitable;
    }
    return event;
}

int KeepWithReadEvent(SOCKET s, SocketHandle* kept, Waitable* event) {
    int error = 0;
    const Waitable made = MakeReadEvent(s, &error);
    if (made == kNoWaitable) {
        closesocket(s);
        return error;
    }
    *kept = s;
    *event = made;
    return 0;
}

int SelectOne(SOCKET s, short events, int timeoutMs, short* ready) {
    fd_set readSet, writeSet, errorSet;
    FD_ZERO(&readSet);
    FD_ZERO(&writeSet);
    FD_ZERO(&errorSet);
    if (events & socket_ready::kReadable) FD_SET(s, &readSet);
    if (events & socket_ready::kWritable) FD_SET(s, &writeSet);
    FD_SET(s, &errorSet);
    timeval limit{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
    const int n = select(0, &readSet, &writeSet, &errorSet, timeoutMs < 0 ? nullptr : &limit);
    *ready = 0;
    if (n == SOCKET_ERROR) return LastSocketError();
    const bool failed = FD_ISSET(s, &errorSet);
    if (FD_ISSET(s, &readSet) || failed) *ready |= events & socket_ready::kReadable;
    if (FD_ISSET(s, &writeSet) || failed) *ready |= events & socket_ready::kWritable;
    return 0;
}

void CloseWithReadEvent(SOCKET& s, Waitable& event) {
    closesocket(s);
    WSACloseEvent(event);
    s = kNoSocket;
    event = kNoWaitable;
}

std::string SocketErrorText(int error) { return WinErrorText(static_cast<unsigned long>(error)); }

}  // namespace dsp
