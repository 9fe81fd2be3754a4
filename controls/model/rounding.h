#pragma once
// Rounding of real values to whole numbers the way every control does it: to
// the nearest integer, halves to the even neighbour. It does not depend on the
// floating-point environment's rounding mode, so a library that changes that
// mode cannot shift a thumb by a pixel.

#include <cmath>

namespace dsp {

inline double RoundHalfEvenReal(double x) {
    if (!std::isfinite(x)) return x;
    double lower = std::floor(x);
    double diff = x - lower;
    if (diff > 0.5) return lower + 1.0;
    if (diff < 0.5) return lower;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

// For pixel and index arithmetic; the argument must fit an int after rounding.
inline int RoundHalfEven(double x) { return static_cast<int>(RoundHalfEvenReal(x)); }

} // namespace dsp
