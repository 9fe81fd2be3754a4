#pragma once
// Whole-file reads and writes for picture files. Each returns 0 or the errno
// of the call that failed; the caller turns that into its own error.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace dsp {

int ReadFileBytes(const std::string& path, std::vector<std::uint8_t>& out);
int WriteFileBytes(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace dsp
