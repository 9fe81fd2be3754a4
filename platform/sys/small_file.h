#pragma once
// Reading a small configuration file whole. The file is opened without
// blocking, so a FIFO or a device put where a settings file belongs cannot
// stall the program, and anything but a regular file is refused before a byte
// is read. A file longer than the caller's limit is refused too, so a runaway
// file never takes memory.

#include <cerrno>
#include <cstddef>
#include <string>

namespace dsp {

// Not a regular file (a FIFO, a device, a folder, a socket).
inline constexpr int kNotRegularFile = EINVAL;
// Longer than the limit the caller gave.
inline constexpr int kFileTooLarge = EFBIG;

// Reads all of `path` into `out`. Returns 0, the errno of the failing call,
// kNotRegularFile or kFileTooLarge. `out` is cleared on every failure.
int ReadSmallFile(const std::string& path, std::size_t maxBytes, std::string& out);

}  // namespace dsp
