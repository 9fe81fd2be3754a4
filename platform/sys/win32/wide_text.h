#pragma once
// UTF-8 (the program's text everywhere) to and from UTF-16 (what the wide
// Win32 calls take), and the system's wording of a Win32 error code.

#include <string>
#include <string_view>

namespace dsp {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

// "The system cannot find the file specified." for code 2; never empty.
std::string WinErrorText(unsigned long code);

}  // namespace dsp
