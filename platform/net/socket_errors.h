#pragma once
// The socket handle and the socket errors callers look at, named once for
// both systems: errno values on Linux, Winsock's own codes on Windows (which
// the system's error texts know). The network serial device returns these
// too, so its errors read right on either system.

#include <cerrno>
#include <cstdint>
#include <string>

namespace dsp {

#if defined(_WIN32)
using SocketHandle = std::uintptr_t;  // SOCKET
inline constexpr SocketHandle kNoSocket = ~SocketHandle{0};
#else
using SocketHandle = int;
inline constexpr SocketHandle kNoSocket = -1;
#endif

namespace socket_error {
#if defined(_WIN32)
inline constexpr int kBadHandle = 6;  // ERROR_INVALID_HANDLE
inline constexpr int kInvalid = 87;   // ERROR_INVALID_PARAMETER
inline constexpr int kBusy = 170;     // ERROR_BUSY
inline constexpr int kIo = 1117;      // ERROR_IO_DEVICE
inline constexpr int kConnectionAborted = 10053;
inline constexpr int kConnectionReset = 10054;
inline constexpr int kNotConnected = 10057;
inline constexpr int kShutDown = 10058;  // sending after the end was sent
inline constexpr int kTimedOut = 10060;
inline constexpr int kHostUnreachable = 10065;
inline constexpr int kNetUnreachable = 10051;
inline constexpr int kProtocolNotSupported = 10043;
inline constexpr int kAlreadyConnected = 10056;
inline constexpr int kNoSuchHost = 11001;  // WSAHOST_NOT_FOUND
#else
inline constexpr int kBadHandle = EBADF;
inline constexpr int kInvalid = EINVAL;
inline constexpr int kBusy = EBUSY;
inline constexpr int kIo = EIO;
inline constexpr int kConnectionAborted = ECONNABORTED;
inline constexpr int kConnectionReset = ECONNRESET;
inline constexpr int kNotConnected = ENOTCONN;
inline constexpr int kShutDown = EPIPE;
inline constexpr int kTimedOut = ETIMEDOUT;
inline constexpr int kHostUnreachable = EHOSTUNREACH;
inline constexpr int kNetUnreachable = ENETUNREACH;
inline constexpr int kProtocolNotSupported = EPROTONOSUPPORT;
inline constexpr int kAlreadyConnected = EISCONN;
inline constexpr int kNoSuchHost = ENXIO;
#endif
}  // namespace socket_error

// The text of a socket error, for messages.
std::string SocketErrorText(int error);

}  // namespace dsp
