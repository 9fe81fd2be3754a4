#include "controls/model/tile_plan.h"

#include <algorithm>

namespace dsp {

std::vector<TilePiece> ThreePiecePlan(int sourceLength, int startFixed, int endFixed, int destLength) {
    std::vector<TilePiece> out;
    if (sourceLength <= 0 || destLength <= 0) return out;
    startFixed = std::clamp(startFixed, 0, sourceLength);
    endFixed = std::clamp(endFixed, 0, sourceLength - startFixed);
    if (startFixed > 0) out.push_back({0, std::min(startFixed, destLength), 0});
    int middle = sourceLength - startFixed - endFixed;
    int farStart = destLength - endFixed;
    if (middle > 0) {
        for (int at = startFixed; at < farStart; at += middle) {
            out.push_back({startFixed, std::min(middle, farStart - at), at});
        }
    }
    if (endFixed > 0 && farStart >= 0 && farStart < destLength) {
        out.push_back({sourceLength - endFixed, endFixed, farStart});
    }
    return out;
}

} // namespace dsp
