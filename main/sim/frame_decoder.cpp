#include "main/sim/frame_decoder.h"

namespace dsp {

void FrameDecoder::Feed(std::span<const std::uint8_t> bytes, std::vector<Frame>& frames) {
    pending_.insert(pending_.end(), bytes.begin(), bytes.end());
    while (pending_.size() - start_ >= kFrameSize) {
        const std::uint8_t* p = pending_.data() + start_;
        if (p[0] == kFrameStart && p[kFrameSize - 1] == kFrameEnd) {
            frames.push_back({p[0], p[1], p[2], p[3]});
            start_ += kFrameSize;
        } else {
            ++start_;
            ++skipped_;
        }
    }
    // A short tail that cannot begin a frame is garbage already.
    while (start_ < pending_.size() && pending_[start_] != kFrameStart) {
        ++start_;
        ++skipped_;
    }
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(start_));
    start_ = 0;
}

} // namespace dsp
