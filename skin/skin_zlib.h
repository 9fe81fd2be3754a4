#pragma once
// zlib for the stored skins: deflate at level 9 when a skin is built, and a
// bounded inflate, into room that grows by at least a 4096-byte piece, when
// one is unpacked. The bounds keep
// a hostile stream from claiming unbounded memory: an unpacked package may
// not exceed 64 MiB, nor grow beyond a fixed ratio over its compressed size
// (packages below the ratio floor are always allowed).

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace dsp {

inline constexpr std::size_t kInflatePiece = 4096;

struct InflateLimits {
    std::size_t maxOutput = 64u << 20;
    std::size_t maxRatio = 256;
    std::size_t ratioFloor = 4u << 20;

    // The most output allowed for `compressedSize` input bytes.
    std::size_t OutputCap(std::size_t compressedSize) const;
};

// A zlib stream (RFC 1950) at level 9, so it begins 78 DA.
std::vector<std::uint8_t> DeflateBest(std::span<const std::uint8_t> data);
// The same at another level (0 stores, 1 is fastest).
std::vector<std::uint8_t> DeflateAtLevel(std::span<const std::uint8_t> data, int level);

// Whether inflating compares the stream's Adler-32 trailer with what it
// unpacked. Summing costs about a third as much as inflating itself, so a
// stream that was built and checked with the program (it cannot have changed
// since) skips it; a stream from anywhere else is always checked.
enum class ZlibCheck { Verify, Skip };

// Replaces `target` with the inflated content of `stream`. Throws ESkinError
// for data that is not valid zlib, a stream that ends early, a checksum that
// does not match (when verified), or output beyond the limits.
void InflateSkinStream(std::span<const std::uint8_t> stream, std::vector<std::uint8_t>& target,
                       const InflateLimits& limits = InflateLimits{}, ZlibCheck check = ZlibCheck::Verify);

}  // namespace dsp
