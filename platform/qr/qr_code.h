#pragma once
// A QR code symbol for a short text (a page's address): its modules, row by
// row from the top-left, dark or light. The text is encoded as bytes, with
// error correction level M (15 % of the symbol may be lost or soiled), in the
// smallest version that holds it.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace dsp {

struct QrCode {
    int version = 0;                 // 1 to 40
    int size = 0;                    // modules per side: 17 + 4 * version
    std::vector<std::uint8_t> dark;  // size * size, 1 for a dark module

    bool Dark(int x, int y) const { return dark[std::size_t(y) * std::size_t(size) + std::size_t(x)] != 0; }
};

// The symbol, or nullopt when the text is empty, too long for the largest
// symbol, or this build has no encoder.
std::optional<QrCode> EncodeQr(std::string_view text);

}  // namespace dsp
