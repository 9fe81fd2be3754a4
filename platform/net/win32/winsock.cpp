#include "platform/net/win32/winsock.h"

#include "platform/net/socket_errors.h"
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

void CloseWithReadEvent(SOCKET& s, Waitable& event) {
    closesocket(s);
    WSACloseEvent(event);
    s = kNoSocket;
    event = kNoWaitable;
}

std::string SocketErrorText(int error) { return WinErrorText(static_cast<unsigned long>(error)); }

}  // namespace dsp
