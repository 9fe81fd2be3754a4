#pragma once
// Mouse pointer shapes. A control names the shape shown over its client area
// (crDefault: its parent's); over a window's frame the shape follows the hit
// code, so the sizing borders show the sizing arrows.

namespace dsp {

enum class TCursor { crDefault, crArrow, crIBeam, crHandPoint, crSizeWE, crSizeNS, crSizeNWSE, crSizeNESW };

// The shape over a point with `hitCode`; `client` is the shape of the
// client area (kHtClient).
TCursor CursorForHitCode(int hitCode, TCursor client);

}  // namespace dsp
