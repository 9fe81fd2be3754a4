#include "platform/qr/qr_code.h"

#include <qrencode.h>

#include <memory>

namespace dsp {

std::optional<QrCode> EncodeQr(std::string_view text) {
    if (text.empty()) return std::nullopt;
    // Version 0: the smallest that holds the text.
    std::unique_ptr<QRcode, void (*)(QRcode*)> symbol(
        QRcode_encodeData(static_cast<int>(text.size()), reinterpret_cast<const unsigned char*>(text.data()),
                          0, QR_ECLEVEL_M),
        QRcode_free);
    if (!symbol) return std::nullopt;
    QrCode code;
    code.version = symbol->version;
    code.size = symbol->width;
    const std::size_t count = std::size_t(code.size) * std::size_t(code.size);
    code.dark.resize(count);
    // Bit 0 of each byte is the module's colour; the others tell the
    // encoder's own bookkeeping (which area the module belongs to).
    for (std::size_t i = 0; i < count; ++i) code.dark[i] = symbol->data[i] & 1u;
    return code;
}

}  // namespace dsp
