#pragma once
// Three-piece fitting of a picture strip to a longer or shorter length: a fixed
// start piece, a fixed end piece and the middle repeated between them, the last
// copy cut where it meets the end piece. The skins use it for rulers, list
// rows and the bodies that resize along one axis.

#include <vector>

namespace dsp {

struct TilePiece {
    int source = 0;  // first pixel taken from the picture strip
    int length = 0;  // pixels taken
    int dest = 0;    // where they go in the result
    friend bool operator==(const TilePiece&, const TilePiece&) = default;
};

// `sourceLength` pixels of picture with `startFixed` and `endFixed` pixels of
// fixed ends, fitted to `destLength` pixels.
std::vector<TilePiece> ThreePiecePlan(int sourceLength, int startFixed, int endFixed, int destLength);

} // namespace dsp
