#pragma once
// Where the text layer keeps what it learnt in one run for the next: the
// user's cache folder, as the XDG base directories place it.

#include <string>
#include <string_view>

namespace dsp {

// $XDG_CACHE_HOME, else $HOME/.cache, then dsp-panel/`name`; "" when neither
// variable is set (nothing is kept then).
std::string UserCacheFile(std::string_view name);

}  // namespace dsp
