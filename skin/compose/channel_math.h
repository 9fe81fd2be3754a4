#pragma once
// Channel arithmetic shared by the effect bitmap's blends and effects.

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace dsp {

// To the nearest integer, halves to the even neighbour (the processor's
// default rounding).
inline int RoundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }

inline std::uint8_t ToChannel(double v) {
    return static_cast<std::uint8_t>(std::clamp(std::nearbyint(v), 0.0, 255.0));
}

inline std::uint8_t ClampChannel(int v) { return static_cast<std::uint8_t>(std::clamp(v, 0, 255)); }

inline double ClampWeight(double k) { return std::isnan(k) ? 0.0 : std::clamp(k, 0.0, 1.0); }

}  // namespace dsp
