#pragma once
// ESkinError: every failure of the skin layer (a corrupt or oversized stream,
// a truncated package, a value that cannot be converted, a missing file).
// The text says what was wrong and where, so a skin maker can find it.

#include <stdexcept>
#include <string>

namespace dsp {

class ESkinError : public std::runtime_error {
  public:
    explicit ESkinError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace dsp
