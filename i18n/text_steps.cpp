#include "i18n/text_steps.h"

#include "i18n/catalog_error.h"

namespace dsp {
namespace {

// Length of the UTF-8 sequence led by `lead`, 0 for a byte that cannot lead.
int SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// The allowed range of the second byte, which rules out overlong forms,
// surrogates and code points above U+10FFFF.
bool SecondByteFits(unsigned char lead, unsigned char second) {
    unsigned char low = 0x80, high = 0xBF;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
    return second >= low && second <= high;
}

}  // namespace

std::string StripCarriageReturns(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (c != '\r') result += c;
    }
    return result;
}

std::string RestoreCarriageReturns(std::string_view text) {
    std::string result;
    result.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) result += '\r';
        result += text[i];
    }
    return result;
}

bool IsValidUtf8(std::string_view text) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    for (std::size_t i = 0; i < text.size();) {
        const int length = SequenceLength(bytes[i]);
        if (length == 0 || text.size() - i < static_cast<std::size_t>(length)) return false;
        if (length > 1 && !SecondByteFits(bytes[i], bytes[i + 1])) return false;
        for (int k = 2; k < length; ++k) {
            if ((bytes[i + k] & 0xC0) != 0x80) return false;
        }
        i += static_cast<std::size_t>(length);
    }
    return true;
}

std::string FinishTranslation(std::string_view input, std::string_view translation) {
    if (translation.empty() || !IsValidUtf8(translation)) {
        throw ECatalogError("Error: Could not translate " + std::string(input) +
                            ". Probably because the mo file doesn't contain utf-8 encoded translations.");
    }
    if (input.find("\r\n") != std::string_view::npos) return RestoreCarriageReturns(translation);
    return std::string(translation);
}

}  // namespace dsp
