#pragma once
// The skinned frame's fixed numbers: its one timer on the window (an id far
// from those a window's own code uses), the paces of its tracks, and the
// fallback frame's narrowest width.

#include <cstdint>

namespace dsp {

inline constexpr uint32_t kFrameTimer = 0xB5F0;
inline constexpr uint32_t kFrameHoverIntervalMs = 50;
inline constexpr uint32_t kFrameMorphIntervalMs = 25;
// The fade-in: the opacity rises by this much every interval.
inline constexpr uint32_t kFrameAlphaIntervalMs = 5;
inline constexpr int kFrameAlphaStep = 10;

// The fallback frame's narrowest width (its measures are its FrameLayout's).
inline constexpr int kFallbackMinWidth = 120;

}  // namespace dsp
