#pragma once
// The skinned frame's fixed numbers: its timers on the window (ids far from
// those a window's own code uses) and the fallback frame's measures.

#include <cstdint>

namespace dsp {

inline constexpr uint32_t kFrameHoverTimer = 0xB5F0;
inline constexpr uint32_t kFrameMorphTimer = 0xB5F1;
inline constexpr uint32_t kFrameAlphaTimer = 0xB5F2;
inline constexpr uint32_t kFrameAnimationTimer = 0xB5F3;
inline constexpr uint32_t kFrameHoverIntervalMs = 50;
inline constexpr uint32_t kFrameMorphIntervalMs = 25;
// The fade-in: the opacity rises by this much every interval.
inline constexpr uint32_t kFrameAlphaIntervalMs = 5;
inline constexpr int kFrameAlphaStep = 10;

// The fallback frame: a 3-pixel border round a 19-pixel caption bar.
inline constexpr int kFallbackBorder = 3;
inline constexpr int kFallbackCaptionHeight = 19;
inline constexpr int kFallbackMinWidth = 120;

}  // namespace dsp
