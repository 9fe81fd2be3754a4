// The picture operations of Canvas: copy, stretch, transparent copy, tiles and
// coverage blending.

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/graphics/canvas.h"
#include "platform/graphics/canvas_clip.h"

namespace dsp {
namespace {

constexpr Pixel kRgbMask = 0x00FFFFFFu;

// A source that is the canvas's own bitmap is copied first, so that
// overlapping copies read the picture as it was.
const Bitmap& StableSource(const Bitmap& src, const Bitmap& target, const Rect& srcRect, Bitmap& scratch,
                           Rect& usedRect) {
    usedRect = srcRect;
    if (&src != &target) return src;
    scratch = Bitmap(srcRect.Width(), srcRect.Height());
    for (int y = 0; y < srcRect.Height(); ++y) {
        std::memcpy(scratch.Row(y), src.Row(srcRect.top + y) + srcRect.left,
                    std::size_t(srcRect.Width()) * sizeof(Pixel));
    }
    usedRect = scratch.Bounds();
    return scratch;
}

// The source column (or row) sampled by destination pixels `from` to `to`
// (exclusive) of a destination `n` pixels long over `m` source pixels starting
// at `start`; only the visible part of the destination gets a table.
std::vector<int> SampleTable(int from, int to, int n, int m, int start) {
    std::vector<int> table(std::size_t(std::max(to - from, 0)));
    for (int i = from; i < to; ++i) {
        table[std::size_t(i - from)] = start + int((2LL * i + 1) * m / (2LL * n));
    }
    return table;
}

// The division of DrawMix by 2 * parts as a multiply by a 16-bit reciprocal,
// a high half and a shift: exact for every sum a mix of `parts` parts reaches
// (at most 2 * 255 * parts + parts), as the reciprocal's error times that sum
// stays under one part in 2 * parts. The shift is 0 up to 8 parts and at most
// 2 for kMaxMixParts.
struct MixDivisor {
    std::uint16_t reciprocal = 0;
    int shift = 0;
};

MixDivisor DivisorFor(std::uint32_t parts) {
    const std::uint32_t largestSum = 2 * 255 * parts + parts;
    const std::uint32_t divisor = 2 * parts;
    int shift = 0;
    while (largestSum * divisor >= (1u << (16 + shift))) ++shift;
    const std::uint32_t scale = 1u << (16 + shift);
    return {static_cast<std::uint16_t>((scale + divisor - 1) / divisor), shift};
}

// DrawMix over whole pixel words, byte by byte (the unused byte mixes two
// zeros to zero), in 16-bit lanes of plain integer arithmetic over
// independent bytes. The shift is a constant, so the high half is one
// unsigned high multiply a lane and the compiler vectorises the loop.
template <int Shift>
[[gnu::always_inline]] inline void MixBytes(std::uint8_t* __restrict out, const std::uint8_t* __restrict from,
                                            const std::uint8_t* __restrict to, int bytes,
                                            std::uint16_t toWeight, std::uint16_t parts,
                                            std::uint16_t reciprocal) {
    const auto fromWeight = static_cast<std::uint16_t>(parts - toWeight);
    for (int i = 0; i < bytes; ++i) {
        const auto twice = static_cast<std::uint16_t>(2 * (fromWeight * from[i] + toWeight * to[i]) + parts);
        const auto high =
            static_cast<std::uint16_t>((std::uint32_t(twice) * std::uint32_t(reciprocal)) >> 16);
        out[i] = static_cast<std::uint8_t>(high >> Shift);
    }
}

// A row goes in blocks of a constant size, which the compiler turns into
// whole vector operations with no scalar remainder; the last block of a row
// that is not a whole number of them overlaps the one before it and writes
// the same values again (`out` is never one of the sources).
constexpr int kMixBlock = 32;

template <int Shift>
[[gnu::always_inline]] inline void MixRowBody(std::uint8_t* out, const std::uint8_t* from,
                                              const std::uint8_t* to, int bytes, std::uint16_t toWeight,
                                              std::uint16_t parts, std::uint16_t reciprocal) {
    if (bytes < kMixBlock) return MixBytes<Shift>(out, from, to, bytes, toWeight, parts, reciprocal);
    for (int i = 0;; i += kMixBlock) {
        if (i + kMixBlock > bytes) i = bytes - kMixBlock;
        MixBytes<Shift>(out + i, from + i, to + i, kMixBlock, toWeight, parts, reciprocal);
        if (i + kMixBlock == bytes) return;
    }
}

template <int Shift>
void MixRow(std::uint8_t* out, const std::uint8_t* from, const std::uint8_t* to, int bytes,
            std::uint16_t toWeight, std::uint16_t parts, std::uint16_t reciprocal) {
    MixRowBody<Shift>(out, from, to, bytes, toWeight, parts, reciprocal);
}

using MixRowFunction = void (*)(std::uint8_t*, const std::uint8_t*, const std::uint8_t*, int, std::uint16_t,
                                std::uint16_t, std::uint16_t);

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
// The same loop built for AVX2 as well, taken when the processor has it:
// twice the lanes an instruction of the baseline build has.
template <int Shift>
[[gnu::target("avx2")]] void MixRowAvx2(std::uint8_t* out, const std::uint8_t* from, const std::uint8_t* to,
                                        int bytes, std::uint16_t toWeight, std::uint16_t parts,
                                        std::uint16_t reciprocal) {
    MixRowBody<Shift>(out, from, to, bytes, toWeight, parts, reciprocal);
}

bool HasAvx2() { return __builtin_cpu_supports("avx2"); }
#else
template <int Shift>
constexpr MixRowFunction MixRowAvx2 = MixRow<Shift>;

bool HasAvx2() { return false; }
#endif

MixRowFunction MixRowFor(int shift) {
    const bool avx2 = HasAvx2();
    switch (shift) {
        case 0:
            return avx2 ? MixRowAvx2<0> : MixRow<0>;
        case 1:
            return avx2 ? MixRowAvx2<1> : MixRow<1>;
        default:
            return avx2 ? MixRowAvx2<2> : MixRow<2>;
    }
}

}  // namespace

void Canvas::DrawMix(Point dst, const Bitmap& from, const Bitmap& to, int part, int parts) {
    if (from.Width() != to.Width() || from.Height() != to.Height() || from.Empty()) return;
    if (parts < 1 || parts > kMaxMixParts || part < 0 || part > parts) return;
    const Rect device = ToDevice(Rect::FromOriginSize(dst.x, dst.y, from.Width(), from.Height()));
    const MixDivisor divisor = DivisorFor(std::uint32_t(parts));
    const MixRowFunction mixRow = MixRowFor(divisor.shift);
    ForEachVisible(device, [&](const Rect& piece) {
        const int sx = piece.left - device.left;
        const int sy = piece.top - device.top;
        const int bytes = piece.Width() * int(sizeof(Pixel));
        for (int y = 0; y < piece.Height(); ++y) {
            mixRow(reinterpret_cast<std::uint8_t*>(target_.Row(piece.top + y) + piece.left),
                   reinterpret_cast<const std::uint8_t*>(from.Row(sy + y) + sx),
                   reinterpret_cast<const std::uint8_t*>(to.Row(sy + y) + sx), bytes, std::uint16_t(part),
                   std::uint16_t(parts), divisor.reciprocal);
        }
    });
}

void Canvas::Draw(Point dst, const Bitmap& src) { CopyRect(dst, src, src.Bounds()); }

void Canvas::CopyRect(Point dst, const Bitmap& src, const Rect& srcRect) {
    const Rect clipped = Intersect(srcRect, src.Bounds());
    if (clipped.IsEmpty()) return;
    const Point shift{clipped.left - srcRect.left, clipped.top - srcRect.top};
    Bitmap scratch;
    Rect from;
    const Bitmap& source = StableSource(src, target_, clipped, scratch, from);
    const Rect dstRect =
        Rect::FromOriginSize(dst.x + shift.x, dst.y + shift.y, clipped.Width(), clipped.Height());
    const Rect device = ToDevice(dstRect);
    ForEachVisible(device, [&](const Rect& piece) {
        const int sx = from.left + piece.left - device.left;
        const int sy = from.top + piece.top - device.top;
        for (int y = 0; y < piece.Height(); ++y) {
            std::memcpy(target_.Row(piece.top + y) + piece.left, source.Row(sy + y) + sx,
                        std::size_t(piece.Width()) * sizeof(Pixel));
        }
    });
}

void Canvas::DrawTransparent(Point dst, const Bitmap& src, const Rect& srcRect, Color transparent) {
    const Rect clipped = Intersect(srcRect, src.Bounds());
    if (clipped.IsEmpty()) return;
    const Pixel key = ColorToPixel(ResolveColor(transparent));
    Bitmap scratch;
    Rect from;
    const Bitmap& source = StableSource(src, target_, clipped, scratch, from);
    const Rect device =
        ToDevice(Rect::FromOriginSize(dst.x + clipped.left - srcRect.left, dst.y + clipped.top - srcRect.top,
                                      clipped.Width(), clipped.Height()));
    ForEachVisible(device, [&](const Rect& piece) {
        const int sx = from.left + piece.left - device.left;
        const int sy = from.top + piece.top - device.top;
        for (int y = 0; y < piece.Height(); ++y) {
            const Pixel* in = source.Row(sy + y) + sx;
            Pixel* out = target_.Row(piece.top + y) + piece.left;
            for (int x = 0; x < piece.Width(); ++x) {
                if ((in[x] & kRgbMask) != key) out[x] = in[x];
            }
        }
    });
}

void Canvas::StretchDraw(const Rect& dst, const Bitmap& src, const Rect& srcRect) {
    Stretch(dst, src, srcRect, false, 0);
}

void Canvas::StretchTransparent(const Rect& dst, const Bitmap& src, const Rect& srcRect, Color transparent) {
    Stretch(dst, src, srcRect, true, ColorToPixel(ResolveColor(transparent)));
}

void Canvas::Stretch(const Rect& dst, const Bitmap& src, const Rect& srcRect, bool transparent, Pixel key) {
    if (dst.IsEmpty() || srcRect.IsEmpty() || src.Empty()) return;
    Bitmap scratch;
    Rect from;
    const Rect inSource = Intersect(srcRect, src.Bounds());
    if (inSource.IsEmpty()) return;
    const Bitmap& source = StableSource(src, target_, inSource, scratch, from);
    const Rect device = ToDevice(dst);
    const Rect visible = Intersect(device, ClipRect());
    if (visible.IsEmpty()) return;
    // Samples are taken over the whole requested source rectangle and then
    // kept inside the part that exists.
    const Point delta{from.left - inSource.left, from.top - inSource.top};
    std::vector<int> cols = SampleTable(visible.left - device.left, visible.right - device.left, dst.Width(),
                                        srcRect.Width(), srcRect.left);
    std::vector<int> rows = SampleTable(visible.top - device.top, visible.bottom - device.top, dst.Height(),
                                        srcRect.Height(), srcRect.top);
    for (int& c : cols) c = std::clamp(c, inSource.left, inSource.right - 1) + delta.x;
    for (int& r : rows) r = std::clamp(r, inSource.top, inSource.bottom - 1) + delta.y;
    ForEachVisible(visible, [&](const Rect& piece) {
        for (int y = piece.top; y < piece.bottom; ++y) {
            const Pixel* in = source.Row(rows[std::size_t(y - visible.top)]);
            Pixel* out = target_.Row(y);
            for (int x = piece.left; x < piece.right; ++x) {
                const Pixel p = in[cols[std::size_t(x - visible.left)]];
                if (!transparent || (p & kRgbMask) != key) out[x] = p;
            }
        }
    });
}

void Canvas::TileDraw(const Rect& dst, const Bitmap& src, const Rect& srcRect) {
    const Rect tile = Intersect(srcRect, src.Bounds());
    if (tile.IsEmpty() || dst.IsEmpty()) return;
    Bitmap scratch;
    Rect from;
    const Bitmap& source = StableSource(src, target_, tile, scratch, from);
    const int tw = tile.Width(), th = tile.Height();
    const Rect device = ToDevice(dst);
    ForEachVisible(device, [&](const Rect& piece) {
        for (int y = piece.top; y < piece.bottom; ++y) {
            const Pixel* in = source.Row(from.top + (y - device.top) % th) + from.left;
            Pixel* out = target_.Row(y);
            int x = piece.left;
            int offset = (x - device.left) % tw;
            while (x < piece.right) {
                const int n = std::min(tw - offset, piece.right - x);
                std::memcpy(out + x, in + offset, std::size_t(n) * sizeof(Pixel));
                x += n;
                offset = 0;
            }
        }
    });
}

namespace {

// (x + 127) / 255 for each 16-bit lane of `x` (bits 0-15 and 16-31, each at
// most 255 * 255): x / 255 is (x + 1 + (x >> 8)) >> 8 for every x under
// 65535, and no lane carries into the next.
std::uint32_t DivideLanesBy255(std::uint32_t x) {
    x += 0x007F007Fu;
    return ((x + 0x00010001u + ((x >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
}

// `p` toward `c` by k / 255, each channel rounded to the nearest: red and
// blue mix side by side in one word. At 255 this is `c` itself.
[[gnu::always_inline]] inline Pixel CoverPixel(Pixel p, Pixel c, std::uint32_t k) {
    const std::uint32_t keep = 255 - k;
    const std::uint32_t rb = DivideLanesBy255((p & 0x00FF00FFu) * keep + (c & 0x00FF00FFu) * k);
    const std::uint32_t g = DivideLanesBy255(((p >> 8) & 0xFFu) * keep + ((c >> 8) & 0xFFu) * k);
    return rb | (g << 8);
}

// One row of a coverage blend, without branches (a pixel under no coverage
// keeps all of its word), so the compiler vectorises it.
[[gnu::always_inline]] inline void CoverRowBody(Pixel* __restrict out, const std::uint8_t* __restrict a,
                                                int n, Pixel c) {
    for (int i = 0; i < n; ++i) {
        const std::uint32_t k = a[i];
        out[i] = k == 0 ? out[i] : CoverPixel(out[i], c, k);
    }
}

void CoverRow(Pixel* out, const std::uint8_t* a, int n, Pixel c) { CoverRowBody(out, a, n, c); }

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
[[gnu::target("avx2")]] void CoverRowAvx2(Pixel* out, const std::uint8_t* a, int n, Pixel c) {
    CoverRowBody(out, a, n, c);
}
#else
constexpr auto CoverRowAvx2 = CoverRow;
#endif

}  // namespace

void Canvas::BlendCoverage(Point dst, const std::uint8_t* coverage, int width, int height, int pitch,
                           Color color) {
    if (width <= 0 || height <= 0) return;
    const Pixel c = ColorToPixel(ResolveColor(color));
    const Rect device = ToDevice(Rect::FromOriginSize(dst.x, dst.y, width, height));
    const auto coverRow = HasAvx2() ? CoverRowAvx2 : CoverRow;
    ForEachVisible(device, [&](const Rect& piece) {
        for (int y = piece.top; y < piece.bottom; ++y) {
            const std::uint8_t* a =
                coverage + std::ptrdiff_t(y - device.top) * pitch + (piece.left - device.left);
            coverRow(target_.Row(y) + piece.left, a, piece.Width(), c);
        }
    });
}

}  // namespace dsp
