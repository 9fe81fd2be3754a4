#pragma once
// Winsock for the socket classes: started once per process, its errors as
// numbers, and the event a socket sets when it has something to read.

#include <winsock2.h>

#include "platform/net/socket_errors.h"
#include "platform/sys/waitable.h"

namespace dsp {

// WSAStartup, once; later calls return the first one's result. 0 or the error.
int StartWinsock();

// The calling thread's last Winsock error.
inline int LastSocketError() { return WSAGetLastError(); }

// An event that Winsock sets while `s` has data to read or has been closed
// (FD_READ | FD_CLOSE). This makes the socket non-blocking. Returns
// kNoWaitable (and leaves `error` set) on failure.
Waitable MakeReadEvent(SOCKET s, int* error);

// Makes the read event for `s` and keeps both in `kept` and `event`; when
// the event cannot be made, closes `s` instead. Returns 0 or the error.
int KeepWithReadEvent(SOCKET s, SocketHandle* kept, Waitable* event);

// Closes `s` and the event MakeReadEvent made for it, and marks both gone.
void CloseWithReadEvent(SOCKET& s, Waitable& event);

// select() on one socket; -1 waits without limit. `ready` gets socket_ready
// bits; a socket in error counts as ready for both (the next call finds the
// error).
int SelectOne(SOCKET s, short events, int timeoutMs, short* ready);

}  // namespace dsp
