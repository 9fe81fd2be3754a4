// TbsSkinForm: the hit test, the frame objects under the mouse, presses and
// releases, the activation fade and the caption (drag and double-click).

#include "platform/framework/application.h"
#include "platform/framework/host.h"
#include "platform/framework/mouse_message.h"
#include "skin/form/frame_constants.h"
#include "skin/form/skin_form.h"
#include "skin/skin_data.h"

namespace dsp {
namespace {

bool InsideMask(const TbsSkinData& skin, const FrameLayout& l, const std::optional<Region>& region, Point p) {
    if (skin.MaskBitmap().Empty()) return true;
    return l.maskArea.Contains(p) || (region && region->Contains(p));
}

}  // namespace

int TbsSkinForm::ObjectAt(Point p) const {
    if (layout_.client.Contains(p)) return -1;
    for (std::size_t i = 0; i < objects_.size(); ++i) {
        const auto& o = objects_[i];
        if (o->Enabled && o->Visible && o->ObjectRect().Contains(p)) return static_cast<int>(i);
    }
    return -1;
}

int TbsSkinForm::HitTest(Point p) const {
    const int w = form_.Width(), h = form_.Height();
    const bool folded = rolledUp_ || windowState_ == TbsWindowState::wsMinimized;
    const int index = ObjectAt(p);
    const bool overCaption = index >= 0 ? objects_[static_cast<std::size_t>(index)]->IsCaption()
                                        : std::any_of(objects_.begin(), objects_.end(), [&](const auto& o) {
                                              return o->IsCaption() && o->ObjectRect().Contains(p);
                                          });
    if (!skinned_) {
        if (Sizeable() && !folded && windowState_ != TbsWindowState::wsMaximized) {
            // The border's outer pixels size the window.
            const bool l = p.x < layout_.leftWidth, t = p.y < layout_.caption.top;
            const bool r = p.x > w - layout_.rightWidth, b = p.y > h - layout_.bottomHeight;
            if (l && t) return kHtTopLeft;
            if (r && t) return kHtTopRight;
            if (l && b) return kHtBottomLeft;
            if (r && b) return kHtBottomRight;
            if (l) return kHtLeft;
            if (t) return kHtTop;
            if (r) return kHtRight;
            if (b) return kHtBottom;
        }
        if (layout_.caption.Contains(p)) return kHtCaption;
        if (layout_.client.Contains(p)) return kHtClient;
        return kHtObject;
    }
    if (folded) return overCaption ? kHtCaption : kHtObject;
    const Rect& c = layout_.client;
    if (index >= 0 && !overCaption && !drag_.Moving()) return kHtObject;
    if (Sizeable() && windowState_ != TbsWindowState::wsMaximized) {
        const int bw = SkinData()->FormData().BorderWidth;
        const Rect window{0, 0, w, h};
        const auto& region = form_.WindowRegion();
        auto outside = [&](Point q) {
            return !window.Contains(q) || !InsideMask(*SkinData(), layout_, region, q);
        };
        const bool nearEdge = outside({p.x - bw, p.y}) || outside({p.x, p.y - bw}) ||
                              outside({p.x + bw, p.y}) || outside({p.x, p.y + bw});
        if (nearEdge) {
            const Point lt = layout_.hitLeftTop, rt = layout_.hitRightTop;
            const Point lb = layout_.hitLeftBottom, rb = layout_.hitRightBottom;
            if (p.x <= lt.x && p.y <= lt.y) return kHtTopLeft;
            if (p.x >= rt.x && p.y <= rt.y) return kHtTopRight;
            if (p.x <= lb.x && p.y >= lb.y) return kHtBottomLeft;
            if (p.x >= rb.x && p.y >= rb.y) return kHtBottomRight;
            if (Rect{lt.x, 0, rt.x, c.top}.Contains(p)) return kHtTop;
            if (Rect{lb.x, c.bottom, rb.x, h}.Contains(p)) return kHtBottom;
            if (Rect{0, lt.y, c.left, lb.y}.Contains(p)) return kHtLeft;
            if (Rect{c.right, rt.y, w, rb.y}.Contains(p)) return kHtRight;
            if (!c.Contains(p)) return overCaption ? kHtCaption : kHtObject;
        }
    }
    if (c.Contains(p)) return kHtClient;
    return overCaption ? kHtCaption : kHtObject;
}

void TbsSkinForm::UpdateHover(Point p) {
    int index = ObjectAt(p);
    if (pressed_ >= 0) {
        // A held object tracks the mouse, and stops being hot while the
        // pointer is off it; no other object becomes hot meanwhile.
        objects_[static_cast<std::size_t>(pressed_)]->MouseMove(p.x, p.y);
        if (index != pressed_) index = -1;
    }
    SetHot(index);
    if (hot_ >= 0) animator_.Start(FrameTrack::Hover, kFrameHoverIntervalMs, [this] { return HoverTick(); });
}

// The pointer may leave an object without a message to the frame (onto
// another window, or off the screen): the poll catches it.
bool TbsSkinForm::HoverTick() {
    UpdateHover(WindowPoint(AppCursorPos()));
    return hot_ >= 0 || pressed_ >= 0;
}

void TbsSkinForm::SetHot(int index) {
    if (index == hot_) return;
    previous_ = hot_;
    hot_ = index;
    if (previous_ >= 0 && previous_ < static_cast<int>(objects_.size()))
        objects_[static_cast<std::size_t>(previous_)]->MouseLeave();
    if (hot_ >= 0) objects_[static_cast<std::size_t>(hot_)]->MouseEnter();
    StartMorph();
}

void TbsSkinForm::ObjectDown(TMouseButton button, Point p) {
    if (hot_ < 0) return;
    pressed_ = hot_;
    auto& o = *objects_[static_cast<std::size_t>(pressed_)];
    if (!o.IsCaption()) {
        frameCapture_ = true;
        form_.SetMouseCapture(true);
    }
    o.MouseDown(p.x, p.y, button);
}

void TbsSkinForm::ObjectUp(TMouseButton button, Point p) {
    if (pressed_ < 0) return;
    TbsActiveSkinObject* o = objects_[static_cast<std::size_t>(pressed_)].get();
    pressed_ = -1;
    if (frameCapture_) {
        frameCapture_ = false;
        form_.SetMouseCapture(false);
    }
    // The release may close the window or change the skin; nothing of the
    // object is used after it.
    o->MouseUp(p.x, p.y, button);
}

bool TbsSkinForm::HandleMouse(TMessage& m) {
    if (m.Msg == kWmCaptureChanged) {
        // Someone else took the mouse: a drag or press ends here.
        frameCapture_ = false;
        drag_.CaptureLost();
        return false;
    }
    const std::optional<MouseMessage> mouse = DecodeMouse(m);
    if (!mouse) return false;
    const Point screen = mouse->point.Screen(form_);
    if (mouse->nonClient) return frameOn_ && NonClientMouse(*mouse, screen);
    return ClientMouse(*mouse, screen);
}

bool TbsSkinForm::NonClientMouse(const MouseMessage& mouse, Point screen) {
    const Point p = WindowPoint(screen);
    switch (mouse.action) {
        case MouseAction::Move:
            UpdateHover(p);
            return true;
        case MouseAction::Up:
            drag_.Release();
            ObjectUp(mouse.button, p);
            return true;
        case MouseAction::DoubleClick:
            if (mouse.button != TMouseButton::mbLeft) return false;
            if (mouse.hitCode == kHtCaption) {
                CaptionDoubleClick();
                return true;
            }
            // A quick second press on a button is a press like the first.
            [[fallthrough]];
        case MouseAction::Down: {
            UpdateHover(p);
            const bool onButton = hot_ >= 0 && !objects_[static_cast<std::size_t>(hot_)]->IsCaption();
            if (hot_ >= 0) ObjectDown(mouse.button, p);
            if (onButton || mouse.hitCode != kHtCaption) return true;
            if (mouse.button == TMouseButton::mbRight)
                OpenSystemMenu(screen);
            else if (windowState_ != TbsWindowState::wsMaximized)
                drag_.Press(screen, magnetic_ ? magneticSize_ : 0);
            return true;
        }
    }
    return false;
}

// While the frame holds the mouse, the pointer's moves and the release come
// as client messages.
bool TbsSkinForm::ClientMouse(const MouseMessage& mouse, Point screen) {
    if (mouse.action == MouseAction::Move) {
        if (drag_.Pressed())
            drag_.MoveTo(screen);
        else if (frameCapture_)
            UpdateHover(WindowPoint(screen));
        else
            return false;
        return true;
    }
    if (mouse.action != MouseAction::Up || mouse.button == TMouseButton::mbMiddle) return false;
    if (!frameCapture_ && !drag_.Pressed() && pressed_ < 0) return false;
    drag_.Release();
    ObjectUp(mouse.button, WindowPoint(screen));
    return true;
}

// --- the caption

void TbsSkinForm::CaptionDoubleClick() {
    drag_.Release();
    const bool sizeable = Sizeable();
    const bool maximized = windowState_ == TbsWindowState::wsMaximized;
    if (sizeable && windowState_ == TbsWindowState::wsMinimized)
        SetWindowState(TbsWindowState::wsNormal);
    else if (sizeable && !maximized && !rolledUp_ && (borderIcons_ & biMaximize))
        SetWindowState(TbsWindowState::wsMaximized);
    else if (!sizeable || !maximized || (rolledUp_ && rolledUpWhileMaximized_))
        SetRollUpState(!rolledUp_);
    else
        SetWindowState(TbsWindowState::wsNormal);
}

// --- activation and fades

void TbsSkinForm::ActiveChanged(bool active) {
    if (active == active_) return;
    active_ = active;
    for (const auto& o : objects_)
        if (o->IsCaption()) o->Active = active;
    StartMorph();
    StartCaptionAnimation();
    RepaintFrame();
    if (active && OnActivate) OnActivate(this);
    if (!active && OnDeActivate) OnDeActivate(this);
}

void TbsSkinForm::StartMorph() {
    const bool effects = SkinData() != nullptr && SkinData()->EnableSkinEffects();
    bool any = false;
    for (const auto& o : objects_) {
        if (!o->Morphing || !effects) {
            o->MorphFactor = o->MorphTarget();
            continue;
        }
        any = any || o->StillMorphing();
    }
    if (any) animator_.Start(FrameTrack::Morph, kFrameMorphIntervalMs, [this] { return MorphTick(); });
}

void TbsSkinForm::StartCaptionAnimation() {
    for (const auto& o : objects_) {
        if (!o->StillAnimating()) continue;
        // One track for the window: the first animated object's pace.
        animator_.Start(FrameTrack::Caption, static_cast<uint32_t>(o->AnimationIntervalMs()),
                        [this] { return CaptionAnimationTick(); });
        return;
    }
}

bool TbsSkinForm::CaptionAnimationTick() {
    bool any = false;
    for (const auto& o : objects_) {
        if (!o->StillAnimating()) continue;
        o->AnimationStep();
        RepaintObject(*o);
        any = any || o->StillAnimating();
    }
    return any;
}

bool TbsSkinForm::MorphTick() {
    bool any = false;
    for (const auto& o : objects_) {
        if (!o->StillMorphing()) continue;
        o->MorphStep();
        RepaintObject(*o);
        any = any || o->StillMorphing();
    }
    return any;
}

}  // namespace dsp
