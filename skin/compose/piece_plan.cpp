#include "skin/compose/piece_plan.h"

#include <algorithm>

namespace dsp {
namespace {

// Keeps the part of a one-to-one span inside [0, length).
void AddClipped(std::vector<PieceSpan>& out, int source, int dest, int length, int limit) {
    if (dest < 0) {
        source -= dest;
        length += dest;
        dest = 0;
    }
    length = std::min(length, limit - dest);
    if (length > 0) out.push_back({source, length, dest, length});
}

void AddCopies(std::vector<PieceSpan>& out, int source, int length, int from, int to) {
    for (int at = from; at < to; at += length) {
        const int cut = std::min(length, to - at);
        out.push_back({source, cut, at, cut});
    }
}

Rect AlongAxis(const Rect& strip, Axis axis, int at, int length, int crossOffset) {
    if (axis == Axis::Horizontal) return Rect::FromOriginSize(at, crossOffset, length, strip.Height());
    return Rect::FromOriginSize(crossOffset, at, strip.Width(), length);
}

}  // namespace

std::vector<PieceSpan> ThreePieceSpans(const ThreePiece& in) {
    std::vector<PieceSpan> out;
    if (in.sourceLength <= 0 || in.destLength <= 0) return out;
    const int start = std::clamp(in.startFixed, 0, in.sourceLength);
    const int end = std::clamp(in.endFixed, 0, in.sourceLength - start);
    const int band = in.sourceLength - start - end;
    const int bandEnd = in.destLength - end;
    // Copies laid from 0 lie under the two ends; otherwise the plan reads
    // from the start to the end.
    const bool underEnds = in.fill == PieceFill::Repeat && in.repeatFrom == RepeatFrom::Zero;
    if (band > 0 && underEnds) AddCopies(out, in.source + start, band, 0, in.destLength);
    if (start > 0) AddClipped(out, in.source, 0, start, in.destLength);
    if (band > 0 && !underEnds) {
        if (in.fill == PieceFill::Repeat) {
            AddCopies(out, in.source + start, band, start, bandEnd);
        } else if (bandEnd > start) {
            out.push_back({in.source + start, band, start, bandEnd - start});
        }
    }
    if (end > 0) AddClipped(out, in.source + in.sourceLength - end, bandEnd, end, in.destLength);
    return out;
}

PiecePlan ThreePiecePlan(const Rect& strip, Axis axis, ThreePiece in) {
    const bool horizontal = axis == Axis::Horizontal;
    in.source = horizontal ? strip.left : strip.top;
    in.sourceLength = horizontal ? strip.Width() : strip.Height();
    PiecePlan plan;
    if (strip.IsEmpty()) return plan;
    for (const PieceSpan& s : ThreePieceSpans(in)) {
        const int cross = horizontal ? strip.top : strip.left;
        plan.push_back({AlongAxis(strip, axis, s.source, s.sourceLength, cross),
                        AlongAxis(strip, axis, s.dest, s.destLength, 0)});
    }
    return plan;
}

PiecePlan AreaPlan(const Rect& source, const Rect& dest, AreaFill fill) {
    PiecePlan plan;
    if (source.IsEmpty() || dest.IsEmpty()) return plan;
    const int w = source.Width();
    const int h = source.Height();
    switch (fill) {
        case AreaFill::Stretch:
            plan.push_back({source, dest});
            break;
        case AreaFill::StretchHeightRepeatAcross:
            for (int x = dest.left; x < dest.right; x += w) {
                const int cut = std::min(w, dest.right - x);
                plan.push_back({Rect::FromOriginSize(source.left, source.top, cut, h),
                                Rect::FromOriginSize(x, dest.top, cut, dest.Height())});
            }
            break;
        case AreaFill::StretchWidthRepeatDown:
            for (int y = dest.top; y < dest.bottom; y += h) {
                const int cut = std::min(h, dest.bottom - y);
                plan.push_back({Rect::FromOriginSize(source.left, source.top, w, cut),
                                Rect::FromOriginSize(dest.left, y, dest.Width(), cut)});
            }
            break;
        case AreaFill::Tile:
            for (int y = dest.top; y < dest.bottom; y += h) {
                const int rows = std::min(h, dest.bottom - y);
                for (int x = dest.left; x < dest.right; x += w) {
                    const int columns = std::min(w, dest.right - x);
                    plan.push_back({Rect::FromOriginSize(source.left, source.top, columns, rows),
                                    Rect::FromOriginSize(x, y, columns, rows)});
                }
            }
            break;
    }
    return plan;
}

void OffsetPlan(PiecePlan& plan, int dx, int dy) {
    for (Piece& p : plan) p.dest = p.dest.Offset(dx, dy);
}

Rect PlanBounds(const PiecePlan& plan) {
    Rect bounds;
    for (const Piece& p : plan) bounds = BoundingUnion(bounds, p.dest);
    return bounds;
}

}  // namespace dsp
