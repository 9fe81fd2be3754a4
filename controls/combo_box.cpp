#include "controls/combo_box.h"

#include "controls/model/wheel.h"
#include "controls/nav_key_map.h"
#include "controls/popup_list_box.h"
#include "controls/scroll_bar.h"
#include "controls/skin_sections.h"
#include "platform/framework/application.h"
#include "platform/text/utf8.h"
#include "skin/data_skin_lists.h"

namespace dsp {
TbsSkinComboBox::TbsSkinComboBox(TComponent* owner) : TbsSkinCustomControl(owner) {
    SetSkinDataName(SkinSectionName(SkinSection::ComboBox));
    SetBounds(0, 0, 120, 20);
    SetTabStop(true);
    list_ = new TbsPopupListBox(*this);
    model_.Environment = [this] {
        DropDownEnvironment env;
        Point origin = ClientToScreen({0, 0});
        env.combo = Rect::FromOriginSize(origin.x, origin.y, Width(), Height());
        const Rect work = AppWorkArea();
        env.workArea = {work.left, work.top, work.right, work.bottom};
        PrepareList();
        const TbsSkinCustomListBox& box = list_->ListBox();
        env.itemHeight = box.ItemHeight();
        env.sectionFrameHeight = box.FrameHeight();
        env.rowsTop = box.RowsTop();
        return env;
    };
    model_.OnInvalidate = [this](ComboBoxModel&) {
        Invalidate();
        if (list_->Visible()) {
            list_->Sync();
            list_->Invalidate();
        }
    };
    model_.OnChange = [this](ComboBoxModel&) {
        if (OnChange) OnChange(this);
    };
    model_.OnClick = [this](ComboBoxModel&) {
        if (OnClick) OnClick(this);
    };
    model_.OnCloseUp = [this](ComboBoxModel&) {
        if (OnCloseUp) OnCloseUp(this);
    };
    model_.OnDropDown = [this](ComboBoxModel&) {
        if (OnDropDown) OnDropDown(this);
    };
    model_.OnShowList = [this](ComboBoxModel& m) {
        const Rect& r = m.ListRect();
        list_->ShowAt({r.left, r.top, r.right, r.bottom});
    };
    model_.OnHideList = [this](ComboBoxModel&) { list_->HideList(); };
}

void TbsSkinComboBox::SetItems(std::vector<std::string> items) {
    model_.SetItems(std::move(items));
    Invalidate();
}

void TbsSkinComboBox::SetItemIndex(int index) {
    model_.SetLoading(Loading());  // nothing fires while the stored layout is read
    model_.SetItemIndex(index);
    model_.SetLoading(false);
}

void TbsSkinComboBox::SetText(const std::string& text) {
    model_.SetLoading(Loading());
    model_.SetText(text);
    model_.SetLoading(false);
}

void TbsSkinComboBox::Loaded() {
    TbsSkinCustomControl::Loaded();
    model_.SetLoading(false);
}

int TbsSkinComboBox::ListBoxDefaultItemHeight() const { return list_->ListBox().DefaultItemHeight(); }

void TbsSkinComboBox::SetListBoxDefaultItemHeight(int h) { list_->ListBox().SetDefaultItemHeight(h); }

bool TbsSkinComboBox::ListBoxUseSkinItemHeight() const { return list_->ListBox().UseSkinItemHeight(); }

void TbsSkinComboBox::SetListBoxUseSkinItemHeight(bool use) { list_->ListBox().SetUseSkinItemHeight(use); }

void TbsSkinComboBox::ReadSkinData() {
    TbsSkinCustomControl::ReadSkinData();
    const auto* s = link_.Section<TbsDataSkinComboBox>();
    if (!s || !SkinPicture()) {
        skinGeometry_.reset();
        return;
    }
    auto rect = [](const TRect& r) { return Rect{r.Left, r.Top, r.Right, r.Bottom}; };
    skinGeometry_ =
        ComboBoxSkinGeometry{s->SkinRect.Width(), s->RTPoint.X, rect(s->ButtonRect), rect(s->ClientRect)};
}

void TbsSkinComboBox::PrepareList() {
    TbsSkinCustomListBox& box = list_->ListBox();
    const auto* s = SkinIndex() >= 0 ? link_.Section<TbsDataSkinComboBox>() : nullptr;
    box.SetSkinDataName(s ? s->ListBoxName : std::string());
    if (box.SkinData() != SkinData())
        box.SetSkinData(SkinData());
    else
        box.ReadSkinData();
}

ComboBoxParts TbsSkinComboBox::Parts() const {
    if (skinGeometry_ && SkinIndex() >= 0) return SkinnedComboBoxParts(Width(), *skinGeometry_);
    return DefaultComboBoxParts(Width(), Height());
}

Rect TbsSkinComboBox::ButtonRect() const {
    const Rect r = Parts().button;
    return {r.left, r.top, r.right, r.bottom};
}

Rect TbsSkinComboBox::TextAreaRect() const {
    const Rect r = Parts().textArea;
    return {r.left, r.top, r.right, r.bottom};
}

ComboBoxVisual TbsSkinComboBox::Visual() const {
    ComboBoxVisual v;
    v.width = Width();
    v.height = Height();
    v.button = ButtonRect();
    v.textArea = TextAreaRect();
    v.text = model_.Text();
    v.enabled = EnabledThroughParents();
    v.focused = Focused();
    v.hot = pointerInside_;
    v.dropped = model_.Dropped();
    v.buttonHot = buttonHover_;
    v.buttonPressed = buttonPressed_;
    v.font = &font_;
    v.textAreaColor = defaultColor_;
    return v;
}

void TbsSkinComboBox::PaintDefaultLook(LookContext& look) { PaintComboBoxDefault(look, Visual()); }

void TbsSkinComboBox::PaintSkinLook(LookContext& look) {
    const auto* s = link_.Section<TbsDataSkinComboBox>();
    if (!s || !SkinPicture() || !skinGeometry_) {
        PaintDefaultLook(look);
        return;
    }
    const TFont font = UseSkinFont() ? WithSectionFace(font_, *s) : font_;
    ComboBoxVisual v = Visual();
    v.font = &font;
    if (!PaintComboBoxActiveBody(look, v, SkinPartsOf(*s))) TbsSkinCustomControl::PaintSkinLook(look);
    PaintComboBoxSkin(look, v, SkinPartsOf(*s));
}

void TbsSkinComboBox::WndProc(TMessage& message) {
    if (message.Msg == kWmGetDlgCode) {
        message.Result = kDlgcWantArrows | kDlgcWantChars | (model_.Dropped() ? kDlgcWantAllKeys : 0);
        return;
    }
    TbsSkinCustomControl::WndProc(message);
}

void TbsSkinComboBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (!Focused()) SetFocus();
    TbsSkinCustomControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft) return;
    // In the fixed style the whole control opens the list.
    if (ClientRect().Contains(Point{x, y})) {
        buttonPressed_ = true;
        Invalidate();
        model_.PressOnDropArea();
    } else {
        model_.PressElsewhere();
    }
}

void TbsSkinComboBox::MouseMove(TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseMove(shift, x, y);
    bool hover = ButtonRect().Contains(Point{x, y});
    if (hover != buttonHover_) {
        buttonHover_ = hover;
        Invalidate();
    }
    if (MouseCapture()) {
        Point s = ClientToScreen({x, y});
        model_.HeldMove({s.x, s.y});
    }
}

void TbsSkinComboBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseUp(button, shift, x, y);
    if (button != TMouseButton::mbLeft) return;
    SetMouseCapture(false);
    Point s = ClientToScreen({x, y});
    bool overList = Application && list_->Visible() && Application->FormAtScreen(s) == list_;
    model_.Release(overList);
    buttonPressed_ = false;
    Invalidate();
}

void TbsSkinComboBox::MouseEnter() {
    TbsSkinCustomControl::MouseEnter();
    pointerInside_ = true;
    Invalidate();
}

void TbsSkinComboBox::MouseLeave() {
    TbsSkinCustomControl::MouseLeave();
    pointerInside_ = false;
    buttonHover_ = false;
    Invalidate();
}

void TbsSkinComboBox::KeyDown(uint16_t& key, TShiftState shift) {
    TbsSkinCustomControl::KeyDown(key, shift);
    if (model_.KeyDown(NavKeyOf(key), (shift & ssAlt) != 0)) key = 0;
}

void TbsSkinComboBox::KeyPress(char32_t& key) {
    TbsSkinCustomControl::KeyPress(key);
    if (key < U' ') return;
    const TimeMs now = AppNow();
    model_.KeyChar(EncodeUtf8(std::u32string(1, key)), now);
}

bool TbsSkinComboBox::DoMouseWheel(TShiftState shift, int wheelDelta, Point) {
    model_.Wheel(WheelParam(wheelDelta, static_cast<unsigned>(ShiftToKeys(shift))));
    return true;
}

void TbsSkinComboBox::DoEnter() {
    TbsSkinCustomControl::DoEnter();
    Invalidate();
}

void TbsSkinComboBox::DoExit() {
    TbsSkinCustomControl::DoExit();
    Invalidate();
    model_.FocusLost();
}

}  // namespace dsp
