#pragma once
// Secrets kept for the user alone: a file only its owner can read, and the
// system's random numbers to fill it with.

#include <cstddef>
#include <string>
#include <string_view>

namespace dsp {

// Writes `content` to `path` with mode 0600, making missing folders with mode
// 0700. A file already there is replaced; a symbolic link in its place is
// refused (ELOOP). Returns 0 or errno.
int WritePrivateFile(const std::string& path, std::string_view content);

// As WritePrivateFile, but through a temporary file beside `path` renamed
// over it: a reader sees the old content or the new, never a part.
int ReplacePrivateFile(const std::string& path, std::string_view content);

// Fills `data` from the kernel's random source. Returns 0 or errno.
int RandomBytes(void* data, std::size_t size);

}  // namespace dsp
