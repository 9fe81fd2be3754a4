#pragma once
// ELayoutError: the stored layout text could not be read. The message names
// the line, so a hand edit that breaks the layout points at itself.

#include <stdexcept>
#include <string>

namespace dsp {

class ELayoutError : public std::runtime_error {
  public:
    ELayoutError(int line, const std::string& reason)
        : std::runtime_error("layout line " + std::to_string(line) + ": " + reason), line_(line) {}

    int Line() const { return line_; }

  private:
    int line_;
};

}  // namespace dsp
