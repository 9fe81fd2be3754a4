#pragma once
// Composition plans: how a skin picture is cut into pieces and laid out over a
// larger or smaller area. A plan is a list of pieces, each a source rectangle
// of the picture and the destination rectangle it goes to (stretched when the
// two sizes differ). Plans are drawn in order, a later piece over an earlier
// one, and the same plan cuts a mask into a window region, so a shape always
// matches its picture.

#include <vector>

#include "platform/graphics/geometry.h"

namespace dsp {

struct Piece {
    Rect source;
    Rect dest;
    friend bool operator==(const Piece&, const Piece&) = default;
};

using PiecePlan = std::vector<Piece>;

// One piece along a single axis.
struct PieceSpan {
    int source = 0;
    int sourceLength = 0;
    int dest = 0;
    int destLength = 0;
    friend bool operator==(const PieceSpan&, const PieceSpan&) = default;
};

enum class PieceFill { Repeat, Stretch };

// Where the copies of a repeated middle start.
enum class RepeatFrom {
    // At the end of the start piece; the copies end cut at the end piece.
    StartPiece,
    // At 0, over the whole length and cut there; the two fixed pieces are
    // laid over them afterwards (the frame's way of tiling its bands).
    Zero,
};

// A strip of `sourceLength` pixels from `source` with `startFixed` and
// `endFixed` pixels of fixed ends, fitted to `destLength` pixels: the start at
// 0, the end at destLength - endFixed, the middle repeated (the last copy cut)
// or stretched between them. Fixed ends longer than the strip are shortened.
struct ThreePiece {
    int source = 0;
    int sourceLength = 0;
    int startFixed = 0;
    int endFixed = 0;
    int destLength = 0;
    PieceFill fill = PieceFill::Repeat;
    RepeatFrom repeatFrom = RepeatFrom::StartPiece;
};

std::vector<PieceSpan> ThreePieceSpans(const ThreePiece& in);

enum class Axis { Horizontal, Vertical };

// The spans of `in` laid along `axis` of `strip` (a rectangle of the
// picture), `in.source` and `in.sourceLength` taken from the strip. Across the
// axis every piece keeps the strip's size, from 0 in the destination.
PiecePlan ThreePiecePlan(const Rect& strip, Axis axis, ThreePiece in);

// How an area is filled from a picture rectangle: repeated in both directions
// from its top-left corner, or stretched (whole; to its height and repeated
// across; to its width and repeated downwards). The last copies are cut at the
// area's edges.
enum class AreaFill { Tile, Stretch, StretchHeightRepeatAcross, StretchWidthRepeatDown };

PiecePlan AreaPlan(const Rect& source, const Rect& dest, AreaFill fill);

// Moves every destination by (dx, dy).
void OffsetPlan(PiecePlan& plan, int dx, int dy);
// The smallest rectangle holding every destination.
Rect PlanBounds(const PiecePlan& plan);

}  // namespace dsp
