#pragma once
// Horizontal text alignment of captions and labels.

namespace dsp {

enum class TAlignmentText { Left, Right, Center };

} // namespace dsp
