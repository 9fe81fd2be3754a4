#pragma once
// Pictures of a private X display, taken with xwd (x11-apps): a window's
// contents or the whole screen, read into a Bitmap. The window tests compare
// them with what the program painted, and look at the root window where a
// shaped window leaves it bare.

#include <string>
#include <vector>

#include "platform/graphics/bitmap.h"

namespace dsp::test {

// Reads an xwd file of a 24- or 32-bit TrueColor display; an empty bitmap
// when the file is missing or of another kind.
Bitmap ReadXwd(const std::string& path);

// `what` is a window id ("0x600003") or "root"; `file` is where xwd writes.
// `env` carries the display (as for RunAndRead). Empty on failure.
Bitmap GrabXwd(const std::string& what, const std::vector<std::string>& env, const std::string& file);

}  // namespace dsp::test
