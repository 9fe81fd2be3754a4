#include "platform/framework/cursor.h"

#include "platform/framework/messages.h"

namespace dsp {

TCursor CursorForHitCode(int hitCode, TCursor client) {
    // The sizing codes, kHtLeft to kHtBottomRight in order.
    constexpr TCursor kSizing[] = {TCursor::crSizeWE,   TCursor::crSizeWE,   TCursor::crSizeNS,
                                   TCursor::crSizeNWSE, TCursor::crSizeNESW, TCursor::crSizeNS,
                                   TCursor::crSizeNESW, TCursor::crSizeNWSE};
    if (hitCode == kHtClient) return client == TCursor::crDefault ? TCursor::crArrow : client;
    if (hitCode >= kHtLeft && hitCode <= kHtBottomRight) return kSizing[hitCode - kHtLeft];
    return TCursor::crArrow;
}

}  // namespace dsp
