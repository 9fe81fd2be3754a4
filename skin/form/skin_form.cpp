#include "skin/form/skin_form.h"

#include <algorithm>
#include <typeinfo>

#include "platform/framework/application.h"
#include "platform/framework/host.h"
#include "platform/framework/mouse_message.h"
#include "platform/text/font_engine.h"
#include "skin/form/caption_commands.h"
#include "skin/form/frame_constants.h"
#include "skin/form/skin_popup_menu.h"
#include "skin/skin_change_relay.h"
#include "skin/skin_data.h"

namespace dsp {
namespace {

TForm& FormOf(TComponent* owner) {
    auto* form = dynamic_cast<TForm*>(owner);
    if (form == nullptr) throw std::bad_cast();
    return *form;
}

Size PictureSize(const TbsSkinData& skin) {
    return {skin.PictureBitmap().Width(), skin.PictureBitmap().Height()};
}

}  // namespace

TbsSkinForm::TbsSkinForm(TComponent* owner)
    : TbsSkinComponent(owner),
      form_(FormOf(owner)),
      defCaptionFont_("Arial", 14, fsBold, clBtnText),
      defInActiveCaptionFont_("Arial", 14, fsBold, clBtnShadow),
      animator_(form_, kFrameTimer),
      drag_(form_) {
    // The frame draws the window's whole border itself.
    form_.SetNativeFrame(false);
    const Size client{form_.ClientWidth(), form_.ClientHeight()};
    previousHandler_ = form_.WindowProc;
    form_.WindowProc = [this](TMessage& message) { HandleMessage(message); };
    form_.RecalcNonClient();
    if (client.cx > 0 && client.cy > 0) KeepClientSize(client);
    UpdateLayout();
    UpdateRegion();
}

TbsSkinForm::~TbsSkinForm() {
    sysMenu_.reset();
    objects_.clear();
    // A window going away with its frame is past its own handling: only a
    // window that lives on gets its handler and client area back.
    if (form_.Destroying()) return;
    // A fade cut short must not leave the window half transparent.
    if (animator_.Running(FrameTrack::Fade))
        if (HostWindow* host = form_.Host()) host->SetOpacity(alphaTarget_);
    animator_.StopAll();
    form_.WindowProc = std::move(previousHandler_);
    form_.SetWindowRegion(std::nullopt);
    form_.RecalcNonClient();
}

FontEngine& TbsSkinForm::Fonts() const { return form_.Fonts(); }

void TbsSkinForm::SetSkinData(TbsSkinData* value) {
    if (value == SkinData()) return;
    TbsSkinComponent::SetSkinData(value);
    if (value != nullptr) frameOn_ = value->SkinnableForm();
    ApplySkin();
}

void TbsSkinForm::SetMenusSkinData(TbsSkinData* value) {
    menusSkinData_ = value;
    if (value != nullptr) FreeNotification(value);
}

void TbsSkinForm::Notification(TComponent* component, TOperation operation) {
    const bool wasSkin = component == SkinData();
    TbsSkinComponent::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == menusSkinData_) menusSkinData_ = nullptr;
    if (wasSkin && !form_.Destroying()) {
        // The skin is going: draw the fallback frame from now on.
        objects_.clear();
        hot_ = pressed_ = previous_ = -1;
        skinned_ = false;
        UpdateLayout();
        UpdateRegion();
        RepaintFrame();
    }
}

void TbsSkinForm::SetBorderIcons(TbsBorderIcons value) {
    borderIcons_ = value;
    SetObjectFlags();
    RepaintFrame();
}

void TbsSkinForm::SetHideCaptionButtons(bool value) {
    hideCaptionButtons_ = value;
    SetObjectFlags();
    RepaintFrame();
}

void TbsSkinForm::SetShowIcon(bool value) {
    showIcon_ = value;
    RepaintFrame();
}

void TbsSkinForm::SetAlphaBlendValue(int value) { alphaBlendValue_ = std::clamp(value, 0, 255); }

TbsActiveSkinObject* TbsSkinForm::FindObject(const std::string& idName) const {
    for (const auto& o : objects_)
        if (o->IDName() == idName) return o.get();
    return nullptr;
}

bool TbsSkinForm::IsPressed(const TbsActiveSkinObject& object) const {
    return pressed_ >= 0 && objects_[static_cast<std::size_t>(pressed_)].get() == &object;
}

// --- messages

void TbsSkinForm::HandleMessage(TMessage& m) {
    if (HandleSkinMessage(m)) return;
    if (HandleMouse(m)) return;
    if (HandleFrameMessage(m)) return;
    previousHandler_(m);
}

bool TbsSkinForm::HandleFrameMessage(TMessage& m) {
    switch (m.Msg) {
        case kWmNcCalcSize:
            if (!frameOn_) return false;
            if (auto* r = reinterpret_cast<Rect*>(m.LParam)) {
                const Rect margins = Margins();
                *r = {r->left + margins.left, r->top + margins.top, r->right - margins.right,
                      r->bottom - margins.bottom};
            }
            return true;
        case kWmNcHitTest: {
            if (!frameOn_) return false;
            const Point p = WindowPoint(PointOf(m)->Screen(form_));
            m.Result = HitTest(p);
            if (m.Result == kHtObject) UpdateHover(p);
            return true;
        }
        case kWmNcPaint:
            if (!frameOn_) return false;
            if (auto* canvas = reinterpret_cast<Canvas*>(m.WParam)) PaintFrame(*canvas);
            return true;
        case kWmNcActivate:
            CloseSystemMenu();
            ActiveChanged(m.WParam != 0);
            m.Result = 1;
            return true;
        case kWmSize:
            previousHandler_(m);
            UpdateLayout();
            UpdateRegion();
            return true;
        case kWmSetText:
            previousHandler_(m);
            RepaintFrame();
            return true;
        case kWmActivate:
            previousHandler_(m);
            // A window the display manager brought back from its icon.
            if (m.WParam != 0 && windowState_ == TbsWindowState::wsMinimized) {
                windowState_ = TbsWindowState::wsNormal;
                if (OnRestore) OnRestore(this);
            }
            return true;
        case kWmSysCommand:
            return HandleSysCommand(m.WParam);
        case kWmSetCursor:
            // The window's own pointer over the caption and the frame objects;
            // the sizing borders keep their arrows.
            if (useFormCursorInNCArea_ && (static_cast<int>(m.WParam) < kHtLeft || m.WParam > kHtBottomRight))
                m.WParam = kHtClient;
            previousHandler_(m);
            return true;
        case kCmVisibleChanged:
            previousHandler_(m);
            if (m.WParam != 0) StartFadeIn();
            return true;
        case kWmTimer:
            if (m.WParam != animator_.TimerId()) return false;
            animator_.Tick();
            return true;
        default:
            return false;
    }
}

bool TbsSkinForm::HandleSkinMessage(TMessage& m) {
    auto* sender = reinterpret_cast<TbsSkinData*>(m.WParam);
    const bool own = sender != nullptr && sender == SkinData();
    switch (m.Msg) {
        case kWmBeforeChangeSkinData:
            if (own) BeforeSkinChange();
            RelaySkinChange(form_, m);
            if (own && OnBeforeChangeSkinData) OnBeforeChangeSkinData(this);
            break;
        case kWmChangeSkinData:
            if (own) {
                changing_ = false;
                ApplySkin();
            }
            RelaySkinChange(form_, m);
            break;
        case kWmAfterChangeSkinData:
            if (own && OnAfterChangeSkinData) OnAfterChangeSkinData(this);
            break;
        case kWmChangeResStrData:
            SetDefaultHints();
            break;
        case kWmChangeFormSkinnable:
            if (own) SetFrameOn(sender->SkinnableForm());
            break;
        default:
            return false;
    }
    previousHandler_(m);
    return true;
}

Point TbsSkinForm::WindowPoint(Point screen) const { return screen - Point{form_.Left(), form_.Top()}; }

// --- applying a skin

void TbsSkinForm::BeforeSkinChange() {
    changing_ = true;
    skinned_ = false;
    for (FrameTrack track : {FrameTrack::Hover, FrameTrack::Morph, FrameTrack::Caption})
        animator_.Stop(track);
    CloseSystemMenu();
    objects_.clear();
    hot_ = pressed_ = previous_ = -1;
}

void TbsSkinForm::ApplySkin() {
    const Size client{form_.ClientWidth(), form_.ClientHeight()};
    regionKey_.reset();
    hot_ = pressed_ = previous_ = -1;
    skinned_ = SkinData() != nullptr && !SkinData()->Empty() && !SkinData()->PictureBitmap().Empty();
    if (skinned_ && frameOn_) {
        objects_ = CreateFrameObjects(*this, *SkinData());
        SetObjectFlags();
        SetDefaultHints();
        StartCaptionAnimation();
    } else {
        objects_.clear();
    }
    form_.SetNativeFrame(!frameOn_);
    UpdateLayout();
    form_.RecalcNonClient();
    // The client area keeps its size whatever the new skin's margins.
    if (!rolledUp_ && windowState_ == TbsWindowState::wsNormal && client.cx > 0 && client.cy > 0)
        KeepClientSize(client);
    const int minW = MinimumWidth(), minH = MinimumHeight();
    if (form_.Width() < minW && form_.Height() < minH)
        form_.SetBounds(form_.Left(), form_.Top(), minW, minH);
    else if (form_.Height() < minH)
        form_.SetHeight(minH);
    else if (form_.Width() < minW)
        form_.SetWidth(minW);
    if (rolledUp_ || windowState_ == TbsWindowState::wsMinimized) form_.SetHeight(minH);
    UpdateLayout();
    UpdateRegion();
    form_.Invalidate();
    RepaintFrame();
    if (OnChangeSkinData) OnChangeSkinData(this);
    if (!rolledUp_) {
        if (clientWidth_ > 0) form_.SetWidth(form_.Width() - form_.ClientWidth() + clientWidth_);
        if (clientHeight_ > 0) form_.SetHeight(form_.Height() - form_.ClientHeight() + clientHeight_);
    }
}

void TbsSkinForm::KeepClientSize(Size client) {
    const int w = form_.Width() - form_.ClientWidth() + client.cx;
    const int h = form_.Height() - form_.ClientHeight() + client.cy;
    if (w != form_.Width() || h != form_.Height()) form_.SetBounds(form_.Left(), form_.Top(), w, h);
}

void TbsSkinForm::SetFrameOn(bool value) {
    if (value == frameOn_) return;
    const bool maximized = windowState_ == TbsWindowState::wsMaximized;
    if (maximized) Restore();
    frameOn_ = value;
    ApplySkin();
    if (maximized) Maximize();
}

Rect TbsSkinForm::Margins() const {
    return skinned_ ? FrameMargins(SkinData()->FormData(), PictureSize(*SkinData())) : FallbackMargins();
}

void TbsSkinForm::UpdateLayout() {
    const Size window{form_.Width(), form_.Height()};
    if (!skinned_) {
        layout_ = ComputeFallbackLayout(window);
        return;
    }
    layout_ = ComputeFrameLayout(SkinData()->FormData(), PictureSize(*SkinData()), window);
    for (const auto& o : objects_) o->Place(SkinData()->FormData(), layout_);
}

void TbsSkinForm::SetObjectFlags() {
    for (const auto& o : objects_) {
        const std::optional<TbsStdCommand> windowCommand = o->WindowCommand();
        if (!windowCommand) continue;
        const TbsStdCommand command = *windowCommand;
        const unsigned icon = CaptionCommandOf(command).icon;
        const bool own = o->ImageInOwnPicture();
        if (command == TbsStdCommand::cmClose) {
            o->Enabled = o->Visible = true;
        } else if (command == TbsStdCommand::cmDefault) {
            bool visible = false;
            if (OnActivateCustomObject) OnActivateCustomObject(this, o->IDName(), visible);
            o->Visible = visible;
        } else {
            o->Enabled = (borderIcons_ & icon) != 0;
            o->Visible = own ? o->Enabled : true;
        }
        if (hideCaptionButtons_) {
            o->Enabled = false;
            o->Visible = !own;
        }
    }
}

}  // namespace dsp
