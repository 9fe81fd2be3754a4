#include "skin/skin_zlib.h"

#include <zlib.h>

#include <algorithm>
#include <climits>
#include <string>

#include "skin/skin_error.h"

namespace dsp {
namespace {

constexpr std::size_t kExpectedRatio = 24;

// Owns one inflate state so that every exit path ends it.
class Inflater {
  public:
    Inflater(std::span<const std::uint8_t> input, ZlibCheck check) {
        if (input.size() > UINT_MAX) throw ESkinError("compressed skin stream is too large");
        stream_.next_in = const_cast<Bytef*>(input.data());
        stream_.avail_in = static_cast<uInt>(input.size());
        if (inflateInit(&stream_) != Z_OK) throw ESkinError("cannot start zlib inflate");
        // The header and trailer are still read; only the sum is left out.
        if (check == ZlibCheck::Skip) inflateValidate(&stream_, 0);
    }
    ~Inflater() { inflateEnd(&stream_); }
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;

    z_stream& Stream() { return stream_; }

  private:
    z_stream stream_{};
};

std::string ZlibFailure(const z_stream& s, int code) {
    std::string detail = s.msg != nullptr ? s.msg : ("zlib code " + std::to_string(code));
    return "skin stream is not valid zlib data (" + detail + ")";
}

}  // namespace

std::size_t InflateLimits::OutputCap(std::size_t compressedSize) const {
    std::size_t byRatio = compressedSize > maxOutput / maxRatio ? maxOutput : compressedSize * maxRatio;
    return std::min(maxOutput, std::max(ratioFloor, byRatio));
}

std::vector<std::uint8_t> DeflateBest(std::span<const std::uint8_t> data) {
    return DeflateAtLevel(data, Z_BEST_COMPRESSION);
}

std::vector<std::uint8_t> DeflateAtLevel(std::span<const std::uint8_t> data, int level) {
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    std::vector<std::uint8_t> out(size);
    int rc = compress2(out.data(), &size, data.data(), static_cast<uLong>(data.size()), level);
    if (rc != Z_OK) throw ESkinError("zlib deflate failed (code " + std::to_string(rc) + ")");
    out.resize(size);
    return out;
}

void InflateSkinStream(std::span<const std::uint8_t> stream, std::vector<std::uint8_t>& target,
                       const InflateLimits& limits, ZlibCheck check) {
    target.clear();
    Inflater inflater(stream, check);
    z_stream& s = inflater.Stream();
    const std::size_t cap = limits.OutputCap(stream.size());
    // Skins deflate about 18:1; room for that saves regrowing the target.
    target.reserve(std::min(cap, stream.size() * kExpectedRatio));
    std::size_t used = 0;
    for (;;) {
        // Each call gets all the room reserved, at least one piece: zlib
        // copies what a call writes into its window too, so 4096 bytes a call
        // would copy the whole package once more. Never more room than one
        // byte past the cap, so a package that passes it is refused at once.
        if (target.size() < used + kInflatePiece) {
            target.resize(std::max(used + kInflatePiece, target.capacity()));
        }
        const std::size_t room = std::min(target.size() - used, cap + 1 - used);
        s.next_out = target.data() + used;
        s.avail_out = static_cast<uInt>(room);
        int rc = inflate(&s, Z_NO_FLUSH);
        used += room - s.avail_out;
        if (used > cap) {
            target.clear();
            throw ESkinError("unpacked skin package exceeds " + std::to_string(cap) + " bytes; refused");
        }
        if (rc == Z_STREAM_END) break;
        // Every call gets a fresh piece of output room, so "no progress"
        // can only mean the input ran out before the stream's end.
        if (rc == Z_BUF_ERROR) {
            target.clear();
            throw ESkinError("skin stream ends before its zlib trailer (truncated)");
        }
        if (rc != Z_OK) {
            target.clear();
            throw ESkinError(ZlibFailure(s, rc));
        }
    }
    target.resize(used);
}

}  // namespace dsp
