#include "controls/model/panel_model.h"

namespace dsp {

void PanelModel::SetChecked(bool checked) {
    checked_ = checked;
    if (checkedMode_ && OnInvalidate) OnInvalidate(*this);
    if (autoEnabledControls_ && checkedMode_ && SetChildrenEnabled) SetChildrenEnabled(checked_);
    if (OnChecked) OnChecked(*this);
}

int PanelModel::SetRollUpState(bool state, int height, int foldedHeight) {
    if (state == rollUpState_) return height;
    if (!rollUpMode_) {
        rollUpState_ = false;
        return height;
    }
    rollUpState_ = state;
    int newHeight = height;
    if (state) {
        realHeight_ = height;
        if (SetChildrenVisible) SetChildrenVisible(false);
        newHeight = foldedHeight;
    } else {
        newHeight = realHeight_ >= 0 ? realHeight_ : height;
        realHeight_ = -1;
        if (SetChildrenVisible) SetChildrenVisible(true);
    }
    if (OnChangeRollUpState) OnChangeRollUpState(*this);
    return newHeight;
}

Rect PanelModel::DefaultCaptionHitRect(int width) const { return {1, 1, width - 1, defaultCaptionHeight_}; }

Rect PanelModel::DefaultCaptionBar(int width) const {
    if (borderStyle_ == TbsSkinBorderStyle::bvNone) return {0, 0, width, defaultCaptionHeight_};
    return {1, 1, width - 1, defaultCaptionHeight_};
}

Rect PanelModel::DefaultClientRect(int width, int height) const {
    Rect r{0, 0, width, height};
    if (borderStyle_ != TbsSkinBorderStyle::bvNone) r = {1, 1, width - 1, height - 1};
    if (captionMode_) r.top += defaultCaptionHeight_;
    return r;
}

int PanelModel::CaptionClick(int height, int foldedHeight) {
    if (!captionMode_) return height;
    if (checkedMode_) SetChecked(!checked_);
    if (rollUpMode_) return SetRollUpState(!rollUpState_, height, foldedHeight);
    return height;
}

}  // namespace dsp
