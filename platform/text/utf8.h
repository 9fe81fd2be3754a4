#pragma once
// UTF-8 to code points and back. Text is UTF-8 everywhere in the program; a
// byte sequence that is not valid UTF-8 reads as U+FFFD, one per bad byte, so
// that bad text still measures and draws.

#include <string>
#include <string_view>

namespace dsp {

std::u32string DecodeUtf8(std::string_view text);
std::string EncodeUtf8(std::u32string_view text);

}  // namespace dsp
