// TbsSkinForm: the window's translucency and its fade-in when shown.

#include <algorithm>

#include "platform/framework/host.h"
#include "skin/form/frame_constants.h"
#include "skin/form/skin_form.h"

namespace dsp {

// With AlphaBlend the window ends at AlphaBlendValue, with the animation
// alone fully opaque; the animation starts it transparent and raises it a
// step per tick. A display that cannot show translucency gets nothing.
void TbsSkinForm::StartFadeIn() {
    if (!alphaBlend_ && !alphaBlendAnimation_) return;
    HostWindow* host = form_.Host();
    if (host == nullptr) return;
    alphaTarget_ = alphaBlend_ ? alphaBlendValue_ : 255;
    alpha_ = alphaBlendAnimation_ ? 0 : alphaTarget_;
    // Shown again while fading: the fade starts over at its own pace.
    animator_.Stop(FrameTrack::Fade);
    if (!host->SetOpacity(alpha_) || alpha_ >= alphaTarget_) return;
    animator_.Start(FrameTrack::Fade, kFrameAlphaIntervalMs, [this] { return FadeStep(); });
}

bool TbsSkinForm::FadeStep() {
    alpha_ = std::min(alpha_ + kFrameAlphaStep, alphaTarget_);
    if (HostWindow* host = form_.Host()) host->SetOpacity(alpha_);
    return alpha_ < alphaTarget_;
}

}  // namespace dsp
