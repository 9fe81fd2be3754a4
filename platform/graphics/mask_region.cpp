#include "platform/graphics/mask_region.h"

#include <algorithm>
#include <cstring>
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
    // The row below the last one holds the same pixels: that row grows,
    // when all its runs are still here (no flush cut through it).
    bool Repeat(int y, int lastFlushY) {
        if (rows.empty() || lastFlushY == y - 1) return false;
        Region::Row& last = rows.back();
        if (last.y + last.height != y) return false;
        ++last.height;
        return true;
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
    int lastFlushY = area.top - 2;
    const std::size_t rowBytes = std::size_t(area.Width()) * sizeof(Pixel);
    for (int y = area.top; y < area.bottom; ++y) {
        const Pixel* row = mask.Row(y);
        // A frame's sides repeat one row for hundreds of rows: a row like the
        // one above it is not scanned again.
        if (y > area.top && std::memcmp(row + area.left, mask.Row(y - 1) + area.left, rowBytes) == 0 &&
            batch.Repeat(y + dy, lastFlushY + dy))
            continue;
        int x = area.left;
        while (x < area.right) {
            if ((row[x] & kRgbMask) != 0) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < area.right && (row[x] & kRgbMask) == 0) ++x;
            batch.Add(y + dy, start + dx, x + dx);
            if (batch.runs >= runsPerBatch) {
                batch.FlushInto(result);
                lastFlushY = y;
            }
        }
    }
    batch.FlushInto(result);
    return result;
}

}  // namespace dsp
