#include "main/protocol/frame.h"

#include <cstdio>

namespace dsp {

std::string FrameToHex(const Frame& frame) {
    char text[3 * kFrameSize];
    std::snprintf(text, sizeof text, "%02X %02X %02X %02X", frame[0], frame[1], frame[2], frame[3]);
    return text;
}

}  // namespace dsp
