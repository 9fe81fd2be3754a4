#include "platform/net/socket_errors.h"

#include <cstring>

namespace dsp {

std::string SocketErrorText(int error) { return std::strerror(error); }

}  // namespace dsp
