#include "platform/qr/qr_code.h"

namespace dsp {

// No QR encoder in this build: the address is shown as text alone.
std::optional<QrCode> EncodeQr(std::string_view) { return std::nullopt; }

}  // namespace dsp
