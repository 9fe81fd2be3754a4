#pragma once
// Horizontal text alignment of captions and labels.

#include "platform/text/draw_text.h"

namespace dsp {

enum class TAlignmentText { Left, Right, Center };

// The text-drawing flag for an alignment.
inline unsigned AlignFlags(TAlignmentText a) {
    switch (a) {
        case TAlignmentText::Right:
            return kDtRight;
        case TAlignmentText::Center:
            return kDtCenter;
        case TAlignmentText::Left:
            break;
    }
    return kDtLeft;
}

}  // namespace dsp
