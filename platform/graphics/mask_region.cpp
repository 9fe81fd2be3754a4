#include "platform/graphics/mask_region.h"

#include <algorithm>
#include <vector>

namespace dsp {
namespace {

constexpr Pixel kRgbMask = 0x00FFFFFFu;

struct RunBatch {
    std::vector<Region::Row> rows;
    int runs = 0;

    void Add(int y, int left, int right) {
        if (rows.empty() || rows.back().y != y) rows.push_back({y, {}});
        rows.back().runs.insert(rows.back().runs.end(), {left, right});
        ++runs;
    }
    void FlushInto(Region& result) {
        if (runs == 0) return;
        const Region part = Region::FromRows(rows);
        result = result.IsEmpty() ? part : result.Union(part);
        rows.clear();
        runs = 0;
    }
};

}  // namespace

Region RegionFromMask(const Bitmap& mask, const Rect& piece, Point at, int runsPerBatch) {
    const Rect area = Intersect(piece, mask.Bounds());
    Region result;
    if (area.IsEmpty()) return result;
    runsPerBatch = std::max(runsPerBatch, 1);
    const int dx = at.x - piece.left, dy = at.y - piece.top;
    RunBatch batch;
    for (int y = area.top; y < area.bottom; ++y) {
        const Pixel* row = mask.Row(y);
        int x = area.left;
        while (x < area.right) {
            if ((row[x] & kRgbMask) != 0) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < area.right && (row[x] & kRgbMask) == 0) ++x;
            batch.Add(y + dy, start + dx, x + dx);
            if (batch.runs >= runsPerBatch) batch.FlushInto(result);
        }
    }
    batch.FlushInto(result);
    return result;
}

}  // namespace dsp
