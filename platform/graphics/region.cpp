#include "platform/graphics/region.h"

#include <algorithm>
#include <limits>

namespace dsp {
namespace {

constexpr int kMaxInt = std::numeric_limits<int>::max();
constexpr int kMinInt = std::numeric_limits<int>::min();

// Spans of `band` list or an empty list when no band covers row y. `index`
// walks forward only, as y only grows during a sweep.
template <class Bands>
const std::vector<int>& SpansAt(const Bands& bands, std::size_t& index, int y, const std::vector<int>& none) {
    while (index < bands.size() && bands[index].bottom <= y) ++index;
    if (index < bands.size() && bands[index].top <= y) return bands[index].spans;
    return none;
}

bool Keep(bool inA, bool inB, int op) {
    switch (op) {
        case 0:
            return inA || inB;
        case 1:
            return inA && inB;
        default:
            return inA && !inB;
    }
}

// Combines two sorted span lists with a boolean operation: a sweep over the
// span edges of both, emitting merged spans.
std::vector<int> CombineSpans(const std::vector<int>& a, const std::vector<int>& b, int op) {
    std::vector<int> out;
    std::size_t ia = 0, ib = 0;
    bool inA = false, inB = false;
    bool inside = false;
    while (ia < a.size() || ib < b.size()) {
        const int xa = ia < a.size() ? a[ia] : kMaxInt;
        const int xb = ib < b.size() ? b[ib] : kMaxInt;
        const int x = std::min(xa, xb);
        if (xa == x) {
            inA = !inA;
            ++ia;
        }
        if (xb == x) {
            inB = !inB;
            ++ib;
        }
        const bool now = Keep(inA, inB, op);
        if (now != inside) {
            if (now && !out.empty() && out.back() == x) {
                out.pop_back();  // touches the previous span: extend it
            } else {
                out.push_back(x);
            }
            inside = now;
        }
    }
    return out;
}

}  // namespace

Region::Region(const Rect& r) {
    if (!r.IsEmpty()) bands_.push_back({r.top, r.bottom, {r.left, r.right}});
}

Region Region::FromRects(std::span<const Rect> rects) {
    Region result;
    for (const Rect& r : rects) result = result.Union(Region(r));
    return result;
}

Region Region::FromRows(std::span<const Row> rows) {
    Region result;
    Region pending;  // rows that came out of order or repeat a row go through Union
    int lastY = kMinInt;
    for (const Row& row : rows) {
        if (row.runs.size() < 2 || row.height < 1) continue;
        std::vector<int> spans = CombineSpans(row.runs, {}, 0);  // merges touching runs
        const int bottom = row.y + row.height;
        if (row.y > lastY) {
            result.AppendBand(row.y, bottom, std::move(spans));
            lastY = bottom - 1;
        } else {
            Region extra;
            extra.AppendBand(row.y, bottom, std::move(spans));
            pending = pending.Union(extra);
        }
    }
    return pending.IsEmpty() ? result : result.Union(pending);
}

void Region::AppendBand(int top, int bottom, std::vector<int>&& spans) {
    if (spans.empty() || bottom <= top) return;
    if (!bands_.empty() && bands_.back().bottom == top && bands_.back().spans == spans) {
        bands_.back().bottom = bottom;  // same spans on the next rows: grow the band
        return;
    }
    bands_.push_back({top, bottom, std::move(spans)});
}

Rect Region::Bounds() const {
    if (bands_.empty()) return {};
    Rect r{kMaxInt, bands_.front().top, kMinInt, bands_.back().bottom};
    for (const Band& b : bands_) {
        r.left = std::min(r.left, b.spans.front());
        r.right = std::max(r.right, b.spans.back());
    }
    return r;
}

std::vector<Rect> Region::Rects() const {
    std::vector<Rect> out;
    for (const Band& b : bands_) {
        for (std::size_t i = 0; i + 1 < b.spans.size(); i += 2) {
            out.push_back({b.spans[i], b.top, b.spans[i + 1], b.bottom});
        }
    }
    return out;
}

bool Region::Contains(Point p) const {
    for (const Band& b : bands_) {
        if (p.y < b.top) return false;
        if (p.y >= b.bottom) continue;
        for (std::size_t i = 0; i + 1 < b.spans.size(); i += 2) {
            if (p.x >= b.spans[i] && p.x < b.spans[i + 1]) return true;
        }
        return false;
    }
    return false;
}

// Bands are sorted and their spans disjoint and apart, so `r` is inside when
// the bands across its rows follow each other without a gap and each has one
// span across its columns.
bool Region::Covers(const Rect& r) const {
    if (r.IsEmpty()) return true;
    int covered = r.top;  // rows above this are known to be inside
    for (const Band& b : bands_) {
        if (b.bottom <= covered) continue;
        if (b.top > covered) return false;
        bool spanned = false;
        for (std::size_t i = 0; i + 1 < b.spans.size() && !spanned; i += 2)
            spanned = b.spans[i] <= r.left && r.right <= b.spans[i + 1];
        if (!spanned) return false;
        covered = b.bottom;
        if (covered >= r.bottom) return true;
    }
    return false;
}

std::vector<Rect> Region::Clip(const Rect& r) const {
    std::vector<Rect> out;
    if (r.IsEmpty()) return out;
    for (const Band& b : bands_) {
        if (b.bottom <= r.top) continue;
        if (b.top >= r.bottom) break;
        for (std::size_t i = 0; i + 1 < b.spans.size(); i += 2) {
            const Rect piece = dsp::Intersect(r, Rect{b.spans[i], b.top, b.spans[i + 1], b.bottom});
            if (!piece.IsEmpty()) out.push_back(piece);
        }
    }
    return out;
}

void Region::Offset(int dx, int dy) {
    for (Band& b : bands_) {
        b.top += dy;
        b.bottom += dy;
        for (int& x : b.spans) x += dx;
    }
}

Region Region::Union(const Region& other) const { return Combine(other, Op::Union); }
Region Region::Intersect(const Region& other) const { return Combine(other, Op::Intersect); }
Region Region::Subtract(const Region& other) const { return Combine(other, Op::Subtract); }

Region Region::Combine(const Region& other, Op op) const {
    std::vector<int> ys;
    ys.reserve((bands_.size() + other.bands_.size()) * 2);
    for (const Band& b : bands_) ys.insert(ys.end(), {b.top, b.bottom});
    for (const Band& b : other.bands_) ys.insert(ys.end(), {b.top, b.bottom});
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());

    const std::vector<int> none;
    Region result;
    std::size_t ia = 0, ib = 0;
    for (std::size_t i = 0; i + 1 < ys.size(); ++i) {
        const std::vector<int>& a = SpansAt(bands_, ia, ys[i], none);
        const std::vector<int>& b = SpansAt(other.bands_, ib, ys[i], none);
        result.AppendBand(ys[i], ys[i + 1], CombineSpans(a, b, int(op)));
    }
    return result;
}

}  // namespace dsp
