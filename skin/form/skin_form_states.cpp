// TbsSkinForm: minimum and maximum sizes, the window states (minimized,
// maximized, rolled up), the caption buttons' commands and their hints.

#include <algorithm>

#include "platform/framework/application.h"
#include "platform/framework/host.h"
#include "skin/form/caption_commands.h"
#include "skin/form/frame_constants.h"
#include "skin/form/frame_texts.h"
#include "skin/form/skin_form.h"
#include "skin/monitor_area.h"
#include "skin/skin_data.h"

namespace dsp {
int TbsSkinForm::MinimumWidth() const {
    if (!skinned_) return minWidth_ > 0 ? minWidth_ : kFallbackMinWidth;
    const int picture = SkinData()->PictureBitmap().Width();
    if (minWidth_ > picture && windowState_ != TbsWindowState::wsMinimized) return minWidth_;
    if (SkinData()->FormData().FormMinWidth > 0) return SkinData()->FormData().FormMinWidth;
    return picture;
}

int TbsSkinForm::MinimumHeight() const {
    const bool folded = rolledUp_ || windowState_ == TbsWindowState::wsMinimized;
    const Rect margins = Margins();
    const int frame = margins.top + margins.bottom;
    if (frame < minHeight_ && !folded) return minHeight_;
    return frame;
}

Rect TbsSkinForm::MaximizedBounds() const {
    const MonitorPart part = maximizeOnFullScreen_ ? MonitorPart::Whole : MonitorPart::WorkArea;
    Rect area = MonitorArea(form_, part);
    if (area.IsEmpty()) area = AppWorkArea();
    if (!maximizeOnFullScreen_) {
        // A work area as large as the one screen would hide the panels that
        // auto-hide at its edges: leave them a pixel.
        const Rect whole = MonitorArea(form_, MonitorPart::Whole);
        const auto monitors = AppMonitors();
        if (area == whole && !monitors.empty() && whole == monitors.front().bounds && whole.left == 0 &&
            whole.top == 0)
            area = area.Inflate(-1, -1);
    }
    if (maxWidth_ > 0) area.right = area.left + std::min(area.Width(), maxWidth_);
    if (maxHeight_ > 0) area.bottom = area.top + std::min(area.Height(), maxHeight_);
    return area;
}

void TbsSkinForm::SetWindowState(TbsWindowState state) {
    if (state == windowState_) return;
    switch (state) {
        case TbsWindowState::wsMinimized:
            return Minimize();
        case TbsWindowState::wsMaximized:
            return Maximize();
        case TbsWindowState::wsNormal:
            return Restore();
    }
}

void TbsSkinForm::Minimize() {
    CloseSystemMenu();
    windowState_ = TbsWindowState::wsMinimized;
    if (HostWindow* host = form_.Host()) host->Minimize();
    if (OnMinimize) OnMinimize(this);
}

void TbsSkinForm::Maximize() {
    if (!restoreBounds_ || windowState_ != TbsWindowState::wsMaximized) restoreBounds_ = form_.BoundsRect();
    windowState_ = TbsWindowState::wsMaximized;
    if (rolledUp_) {
        rolledUp_ = false;
        rolledUpWhileMaximized_ = false;
    }
    form_.SetBoundsRect(MaximizedBounds());
    RepaintFrame();
    if (OnMaximize) OnMaximize(this);
}

void TbsSkinForm::Restore() {
    const TbsWindowState was = windowState_;
    windowState_ = TbsWindowState::wsNormal;
    if (was == TbsWindowState::wsMaximized) {
        if (rolledUp_ && rolledUpWhileMaximized_) rolledUp_ = rolledUpWhileMaximized_ = false;
        if (restoreBounds_) form_.SetBoundsRect(*restoreBounds_);
        restoreBounds_.reset();
    } else if (was == TbsWindowState::wsMinimized) {
        if (HostWindow* host = form_.Host()) host->Restore();
    }
    RepaintFrame();
    if (OnRestore) OnRestore(this);
}

// The display iconified the window or brought it back by itself (the window
// manager's task list, or its own restore): the state follows, and the host
// is asked for what it already did, which changes nothing.
bool TbsSkinForm::HandleSysCommand(uintptr_t command) {
    if (command == kScMinimize) {
        if (windowState_ != TbsWindowState::wsMinimized) Minimize();
        return true;
    }
    if (command == kScRestore) {
        if (windowState_ == TbsWindowState::wsMinimized) Restore();
        return true;
    }
    return false;
}

void TbsSkinForm::SetRollUpState(bool value) {
    if (value == rolledUp_) return;
    if (!(borderIcons_ & biRollUp) || windowState_ == TbsWindowState::wsMinimized) return;
    RollUp(value);
}

void TbsSkinForm::RollUp(bool up) {
    if (up) {
        heightBeforeRollUp_ = form_.Height();
        rolledUp_ = true;
        rolledUpWhileMaximized_ = windowState_ == TbsWindowState::wsMaximized;
        form_.SetHeight(MinimumHeight());
    } else {
        rolledUp_ = false;
        rolledUpWhileMaximized_ = false;
        if (clientHeight_ != 0)
            form_.SetHeight(form_.Height() - form_.ClientHeight() + clientHeight_);
        else
            form_.SetHeight(heightBeforeRollUp_);
    }
    RepaintFrame();
    if (OnChangeRollUpState) OnChangeRollUpState(this);
}

void TbsSkinForm::DoCommand(TbsStdCommand command) {
    if (const auto action = CaptionCommandOf(command).action) action(*this);
}

void TbsSkinForm::SetDefaultHints() {
    if (!useDefaultObjectHint_) return;
    for (const auto& o : objects_) {
        const std::optional<TbsStdCommand> command = o->WindowCommand();
        if (!command) continue;
        if (const char* name = CaptionCommandOf(*command).hintName) o->Hint = FrameText(SkinData(), name);
    }
}

}  // namespace dsp
