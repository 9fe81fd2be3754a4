#pragma once
// The bevel's shapes and styles: a box, a frame, one edge line or nothing,
// sunk or raised.

namespace dsp {

enum class TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum class TBevelStyle { bsLowered, bsRaised };

}  // namespace dsp
