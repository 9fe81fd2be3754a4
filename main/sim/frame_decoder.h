#pragma once
// Cuts the byte stream the panel sends into 4-byte command frames. The stream
// has no escaping, so after garbage the decoder moves on one byte at a time
// until a start marker and an end marker three bytes later line up again.

#include <cstdint>
#include <span>
#include <vector>

#include "main/protocol/frame.h"

namespace dsp {

class FrameDecoder {
public:
    // Appends `bytes` and adds every complete frame, in order, to `frames`.
    void Feed(std::span<const std::uint8_t> bytes, std::vector<Frame>& frames);

    // Bytes thrown away while looking for the next frame.
    std::uint64_t SkippedBytes() const { return skipped_; }
    // Bytes kept for a frame that has not been completed yet.
    std::size_t PendingBytes() const { return pending_.size() - start_; }

private:
    std::vector<std::uint8_t> pending_;
    std::size_t start_ = 0;
    std::uint64_t skipped_ = 0;
};

} // namespace dsp
