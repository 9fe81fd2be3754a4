#pragma once
// ECatalogError: a catalog was found but cannot be used, or a translation is
// not valid UTF-8. Raised to whoever asked for the translation.

#include <stdexcept>
#include <string>

namespace dsp {

class ECatalogError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace dsp
