#pragma once
// The clip walk shared by the canvas's source files.

#include "platform/graphics/canvas.h"

namespace dsp {

template <class F>
void Canvas::ForEachVisible(const Rect& deviceRect, F&& f) const {
    if (ClipIsRect()) {
        const Rect piece = Intersect(deviceRect, ClipRect());
        if (!piece.IsEmpty()) f(piece);
        return;
    }
    for (const Rect& piece : clips_.back().region->Clip(deviceRect)) f(piece);
}

}  // namespace dsp
