#pragma once
// Pictures kept between paints. What does not change between two repaints of
// the window (a skin body at a size, a label's text over the same pixels) is
// drawn once and copied back after.
//
// PaintMemo: the pixels a control last painted, kept with the pixels that lay
// behind them. The same look painted over the same pixels gives the same
// picture, so a repaint that finds both unchanged copies the picture back
// instead of drawing it again; anything else draws and keeps the new result.
// Only a paint that reaches the whole control (inside the bitmap and the
// clip) is kept or replayed; a partial one just draws.

#include <functional>
#include <optional>

#include "platform/graphics/canvas.h"

namespace dsp {

class PaintMemo {
  public:
    // Paints a `size` control at the canvas's origin: `draw` runs unless
    // `sameLook` (the look equals the one last kept) and the pixels behind
    // are the kept ones. True when it kept a new picture (the caller keeps
    // the look that goes with it).
    bool Paint(Canvas& canvas, Size size, bool sameLook, const std::function<void()>& draw);
    void Forget() { kept_.reset(); }
    bool Kept() const { return kept_.has_value(); }

  private:
    struct Pictures {
        Bitmap behind;
        Bitmap painted;
    };
    std::optional<Pictures> kept_;
};

// BodyCache: a skin body composed once for a size (and a variant: whatever
// else decides the composition) and kept until the skin changes, so each
// repaint copies one picture instead of composing it from its pieces again.
class BodyCache {
  public:
    // The body; `compose` draws it over the button face when none is kept
    // for this size and variant.
    const Bitmap& Get(Size size, int variant, const std::function<void(Canvas&)>& compose);
    void Forget() { body_ = Bitmap(); }

  private:
    Bitmap body_;
    int variant_ = 0;
};

}  // namespace dsp
