#pragma once
// A file's or folder's state in one comparable word: what a cache built from
// it records, to see later whether it may have changed.

#include <string>

namespace dsp {

// The modification time (nanoseconds) and size of `path`, links followed;
// "-" when it does not exist or cannot be read. Equal stamps mean unchanged.
std::string FileStamp(const std::string& path);

}  // namespace dsp
