#include "controls/button.h"

#include "controls/look/button_skin_painter.h"
#include "controls/skin_sections.h"
#include "platform/framework/application.h"
#include "skin/data_skin_buttons.h"
#include "skin/skin_data.h"

namespace dsp {

TbsSkinButton::TbsSkinButton(TComponent* owner) : TbsSkinCustomControl(owner) {
    SetSkinDataName(SkinSectionName(SkinSection::Button));
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
    model_.OnInvalidate = [this](ButtonModel&) {
        if (model_.Down() != lastDown_) DownChanged();
        Invalidate();
    };
    morph_.OnChange = [this] { Invalidate(); };
    frames_.OnChange = [this] { Invalidate(); };
    model_.OnClick = [this](ButtonModel&) {
        if (OnClick) OnClick(this);
    };
    model_.Siblings = [this] {
        std::vector<ButtonModel*> out;
        if (!Parent()) return out;
        for (int i = 0; i < Parent()->ControlCount(); ++i) {
            if (auto* b = dynamic_cast<TbsSkinButton*>(Parent()->Controls(i))) out.push_back(&b->model_);
        }
        return out;
    };
}

void TbsSkinButton::SetCanFocused(bool can) {
    model_.SetCanFocused(can);
    SetTabStop(can);
}

TbsSkinButton::~TbsSkinButton() {
    // The timers go with the button; nothing is repainted any more.
    morph_.OnChange = nullptr;
    frames_.OnChange = nullptr;
    StopAnimations();
}

bool TbsSkinButton::DrawnDown() const { return ButtonDrawnDown(LookState()); }

ButtonLookState TbsSkinButton::LookState() const {
    ButtonLookState s;
    s.enabled = EnabledThroughParents();
    s.down = model_.Down();
    s.grouped = model_.Grouped();
    s.hover = model_.Hover();
    s.focused = model_.CanFocused() && Focused();
    s.mouseHeld = model_.MouseHeld();
    s.frameShowing = frames_.Showing();
    return s;
}

ButtonPicture TbsSkinButton::SkinPicture() const {
    const auto* s = link_.Section<TbsDataSkinButtonControl>();
    if (s == nullptr) return ButtonPicture::Normal;
    return ChooseButtonPicture(LookState(),
                               {!SkinRectEmpty(s->DisabledSkinRect), !SkinRectEmpty(s->FocusedSkinRect)});
}

TFont TbsSkinButton::CaptionFont() {
    const auto* s = link_.Section<TbsDataSkinButtonControl>();
    const bool enabled = EnabledThroughParents();
    if (s == nullptr) {
        TFont f = DefaultFont();
        if (!enabled) f.SetColor(clBtnShadow);
        return f;
    }
    TFont f = UseSkinFont() ? SectionFont(*s) : DefaultFont();
    const bool ownColor = !useSkinFontColor_ && enabled;
    f.SetColor(ownColor ? DefaultFont().Color() : ButtonFontColor(*s, SkinPicture(), enabled));
    return f;
}

void TbsSkinButton::SetUseSkinSize(bool on) {
    useSkinSize_ = on;
    ApplySkinData();
}

void TbsSkinButton::CalcSkinSize(int& width, int& height) {
    const int w = width;
    const int h = height;
    TbsSkinCustomControl::CalcSkinSize(width, height);
    if (useSkinSize_) return;
    width = w;  // the picture is scaled to the button instead
    height = h;
}

bool TbsSkinButton::SkinEffects() const {
    return SkinData() != nullptr && SkinData()->EnableSkinEffects() && link_.SectionData() != nullptr;
}

void TbsSkinButton::ConfigureFrames() {
    const auto* s = link_.Section<TbsDataSkinButtonControl>();
    const bool frames = s != nullptr && SkinEffects() && !SkinRectEmpty(s->AnimateSkinRect);
    frames_.Configure(frames ? s->FrameCount : 0, s ? s->AnimateInterval : 0);
}

void TbsSkinButton::ApplySkinData() {
    StopAnimations();
    morphBodies_.reset();
    TbsSkinCustomControl::ApplySkinData();
    ConfigureFrames();
}

void TbsSkinButton::ForgetSkinData() {
    StopAnimations();
    morphBodies_.reset();
    TbsSkinCustomControl::ForgetSkinData();
    frames_.Configure(0, 0);
}

void TbsSkinButton::StopAnimations() {
    morph_.Stop();
    frames_.Stop();
}

void TbsSkinButton::AnimateToLook() {
    const bool active = ButtonActive(LookState());
    const auto* s = link_.Section<TbsDataSkinButtonControl>();
    const bool animate = s != nullptr && s->Morphing && SkinEffects();
    if (animate) PrepareMorphBodies();
    morph_.MoveTo(active, animate);
    frames_.MoveTo(active);
}

void TbsSkinButton::DownChanged() {
    lastDown_ = model_.Down();
    const auto* s = link_.Section<TbsDataSkinButtonControl>();
    if (s == nullptr || !s->Morphing) return;
    if (SkinEffects()) PrepareMorphBodies();
    morph_.SnapActiveThenMoveTo(ButtonActive(LookState()), SkinEffects());
}

void TbsSkinButton::PrepareMorphBodies() {
    const auto* s = link_.Section<TbsDataSkinButtonControl>();
    if (s == nullptr || picture_ == nullptr || Width() <= 0 || Height() <= 0) return;
    if (morphBodies_ && morphBodies_->normal.Width() == Width() && morphBodies_->normal.Height() == Height())
        return;
    const Size size{Width(), Height()};
    morphBodies_ = MorphBodies{ButtonBody(SkinPartsOf(*s), size, ButtonPicture::Normal),
                               ButtonBody(SkinPartsOf(*s), size, ButtonPicture::Active)};
}

void TbsSkinButton::TimerFired(uint32_t id) {
    const int timer = static_cast<int>(id);
    if (timer == kMorphTimerId) {
        morph_.OnTimer(timer);
    } else if (timer == kFrameTimerId) {
        frames_.OnTimer(timer);
    } else {
        model_.OnTimer(timer);
    }
}

ButtonSkinVisual TbsSkinButton::BodyVisual() const {
    ButtonSkinVisual v;
    v.size = {Width(), Height()};
    v.picture = SkinPicture();
    v.enabled = EnabledThroughParents();
    v.focused = model_.CanFocused() && Focused();
    v.k = morph_.K();
    // While the morph runs its blend is the picture, from its first step on:
    // entering shows the normal picture until the first 20 ms have passed.
    v.blending = morph_.Running() || morph_.Blending();
    v.frame = frames_.Frame();
    return v;
}

bool TbsSkinButton::SkinLookCoversAll() const {
    return picture_ != nullptr && link_.Section<TbsDataSkinButtonControl>() != nullptr &&
           PaintsMorphStep(BodyVisual());
}

ButtonSkinVisual TbsSkinButton::SkinVisual() {
    ButtonSkinVisual v = BodyVisual();
    if (morphBodies_) {
        v.normalBody = &morphBodies_->normal;
        v.activeBody = &morphBodies_->active;
    }
    v.caption = Caption();
    v.font = CaptionFont();
    v.captionLayout = &captionLayout_;
    return v;
}

void TbsSkinButton::PaintSkinLook(LookContext& look) {
    const auto* s = link_.Section<TbsDataSkinButtonControl>();
    if (s == nullptr || picture_ == nullptr) {
        TbsSkinCustomControl::PaintSkinLook(look);
        return;
    }
    const Rect section = SkinRect(s->SkinRect);
    const bool ownSize = section.Width() == Width() && section.Height() == Height();
    if (useSkinSize_ || ownSize) {
        PaintButtonSkin(look, SkinVisual(), SkinPartsOf(*s));
    } else {
        PaintButtonSkinScaled(look, SkinVisual(), SkinPartsOf(*s));
    }
}

void TbsSkinButton::PaintDefaultLook(LookContext& look) {
    const bool down = DrawnDown();
    const bool hot = model_.Hover() || (model_.CanFocused() && Focused());
    const PartState state = down ? PartState::Pressed : hot ? PartState::Hot : PartState::Normal;
    PaintButtonDefault(look, {ClientRect(), state, Caption(), CaptionFont()});
}

void TbsSkinButton::WndProc(TMessage& message) {
    if (message.Msg == kCmDialogKey) {
        auto key = static_cast<uint16_t>(message.WParam);
        bool enabled = EnabledThroughParents() && Showing();
        // Enter in the form clicks the Default button while a control that is
        // not a button has the focus; Escape clicks a Cancel button.
        TWinControl* focused = Application ? Application->FocusedControl() : nullptr;
        bool buttonFocused = dynamic_cast<TbsSkinButton*>(focused) != nullptr;
        if (enabled && key == kVkReturn && default_ && !buttonFocused) {
            model_.Click();
            message.Result = 1;
            return;
        }
        if (enabled && key == kVkEscape && cancel_ && model_.CanFocused() && message.LParam == 0) {
            model_.Click();
            message.Result = 1;
            return;
        }
    }
    TbsSkinCustomControl::WndProc(message);
}

void TbsSkinButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft && model_.CanFocused() && !Focused() && CanFocus()) SetFocus();
    TbsSkinCustomControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft) return;
    frames_.Stop();  // a press shows the down picture at once
    model_.MousePress();
}

void TbsSkinButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseUp(button, shift, x, y);
    if (button == TMouseButton::mbLeft) model_.MouseRelease(ClientRect().Contains(Point{x, y}));
}

void TbsSkinButton::MouseEnter() {
    TbsSkinCustomControl::MouseEnter();
    model_.MouseEnter();
    AnimateToLook();
}

void TbsSkinButton::MouseLeave() {
    TbsSkinCustomControl::MouseLeave();
    model_.MouseLeave();
    AnimateToLook();
}

void TbsSkinButton::KeyDown(uint16_t& key, TShiftState shift) {
    TbsSkinCustomControl::KeyDown(key, shift);
    if (key == kVkSpace) model_.KeyDown(NavKey::Space);
    if (key == kVkReturn) model_.KeyDown(NavKey::Enter);
}

void TbsSkinButton::KeyUp(uint16_t& key, TShiftState shift) {
    TbsSkinCustomControl::KeyUp(key, shift);
    if (key == kVkSpace) model_.KeyUp(NavKey::Space);
}

void TbsSkinButton::DoEnter() {
    TbsSkinCustomControl::DoEnter();
    if (model_.CanFocused()) AnimateToLook();
    Invalidate();
}

void TbsSkinButton::DoExit() {
    TbsSkinCustomControl::DoExit();
    model_.FocusLost();
    if (model_.CanFocused()) AnimateToLook();
    Invalidate();
}

void TbsSkinButton::EnabledChanged() {
    if (!Enabled()) {
        model_.FocusLost();
        StopAnimations();
    }
    TbsSkinCustomControl::EnabledChanged();
}

}  // namespace dsp
