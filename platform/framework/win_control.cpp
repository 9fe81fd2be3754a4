#include "platform/framework/win_control.h"

#include <algorithm>

#include "platform/framework/application.h"
#include "platform/framework/form.h"
#include "platform/framework/mouse_message.h"

namespace dsp {

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    // A window going away sends no focus messages into its half-destroyed
    // subtree; the focus is simply gone.
    if (Application) {
        for (const TControl* c = Application->FocusedControl(); c; c = c->Parent())
            if (c == this) {
                Application->ClearFocusQuietly();
                break;
            }
    }
    // Children stay with their owner; they only lose their parent here.
    while (!controls_.empty()) {
        TControl* child = controls_.back();
        RemoveControl(child);
    }
}

void TWinControl::InsertControl(TControl* control) {
    // Windowed children sit above windowless ones.
    if (control->IsWindowed()) {
        controls_.push_back(control);
        tabList_.push_back(static_cast<TWinControl*>(control));
    } else {
        auto firstWindowed =
            std::find_if(controls_.begin(), controls_.end(), [](TControl* c) { return c->IsWindowed(); });
        controls_.insert(firstWindowed, control);
    }
    control->parent_ = this;
    if (control->IsWindowed()) static_cast<TWinControl*>(control)->RecalcNonClient();
}

void TWinControl::RemoveControl(TControl* control) {
    if (Application) {
        // Focus, capture and hover inside the leaving subtree go away with it.
        if (auto* w = dynamic_cast<TWinControl*>(control))
            w->LoseFocusAndCaptureInside();
        else if (control->MouseCapture())
            Application->Input().SetCapture(nullptr);
    }
    std::erase(controls_, control);
    if (control->IsWindowed()) std::erase(tabList_, static_cast<TWinControl*>(control));
    control->parent_ = nullptr;
}

void TWinControl::Restack(TControl* control, bool toFront) {
    auto it = std::find(controls_.begin(), controls_.end(), control);
    if (it == controls_.end()) return;
    controls_.erase(it);
    auto firstWindowed =
        std::find_if(controls_.begin(), controls_.end(), [](TControl* c) { return c->IsWindowed(); });
    if (control->IsWindowed())
        controls_.insert(toFront ? controls_.end() : firstWindowed, control);
    else
        controls_.insert(toFront ? firstWindowed : controls_.begin(), control);
    control->Invalidate();
}

TControl* TWinControl::ControlAtPos(Point p) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        if (!c->Visible() || !c->BoundsRect().Contains(p)) continue;
        if (auto* w = dynamic_cast<TWinControl*>(c)) {
            if (!w->WindowContains(p - Point{c->Left(), c->Top()})) continue;
        }
        return c;
    }
    return nullptr;
}

int TWinControl::TabOrder() const {
    if (!Parent()) return -1;
    const auto& list = Parent()->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
    if (!Parent()) return;
    auto& list = Parent()->tabList_;
    std::erase(list, this);
    order = std::clamp(order, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + order, this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
    for (TWinControl* c : tabList_) {
        list.push_back(c);
        c->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward, bool checkTabStop,
                                          bool checkParent) const {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty()) return nullptr;
    int n = static_cast<int>(list.size());
    auto it = std::find(list.begin(), list.end(), current);
    int start = it == list.end() ? (forward ? n - 1 : 0) : static_cast<int>(it - list.begin());
    int i = start;
    for (int step = 0; step < n; ++step) {
        i = forward ? (i + 1) % n : (i + n - 1) % n;
        TWinControl* c = list[static_cast<size_t>(i)];
        if (c == current) break;
        if ((!checkTabStop || c->TabStop()) && (!checkParent || c->Parent() == this) && c->CanFocus())
            return c;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool forward, bool checkTabStop) {
    if (TWinControl* next = FindNextControl(current, forward, checkTabStop, !checkTabStop)) next->SetFocus();
}

bool TWinControl::CanFocus() const {
    TForm* form = ParentForm();
    if (!form || form->IsPopup()) return false;
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return true;
}

bool TWinControl::Focused() const { return Application && Application->FocusedControl() == this; }

bool TWinControl::SetFocus() {
    if (!CanFocus()) return false;
    TForm* form = ParentForm();
    form->SetActiveControl(this == form ? nullptr : this);
    if (this == form && Application && Application->ActiveForm() == form)
        Application->SetFocusedControl(form);
    return true;
}

Rect TWinControl::ClientRect() const { return {0, 0, clientInWindow_.Width(), clientInWindow_.Height()}; }

void TWinControl::RecalcNonClient() {
    Rect r{0, 0, Width(), Height()};
    Perform(kWmNcCalcSize, 0, reinterpret_cast<intptr_t>(&r));
    // Keep the client inside the window whatever the handler said. An empty
    // client (a rolled-up frame) keeps its top-left corner where the frame
    // put it: client points, and so the controls, stay where they were.
    const Point corner{std::clamp(r.left, 0, Width()), std::clamp(r.top, 0, Height())};
    r = Intersect(r, Rect{0, 0, Width(), Height()});
    if (r.IsEmpty()) r = Rect{corner.x, corner.y, corner.x, corner.y};
    if (r != clientInWindow_) {
        clientInWindow_ = r;
        Invalidate();
    }
}

Point TWinControl::ClientOrigin() const { return TControl::ClientOrigin() + clientInWindow_.TopLeft(); }

Point TWinControl::OffsetInForm() const { return TControl::OffsetInForm() + clientInWindow_.TopLeft(); }

void TWinControl::SetWindowRegion(std::optional<Region> region) {
    Invalidate();
    region_ = std::move(region);
    Invalidate();
}

bool TWinControl::WindowContains(Point p) const {
    if (!Rect{0, 0, Width(), Height()}.Contains(p)) return false;
    return !region_ || region_->Contains(p);
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    bool resized = width != Width() || height != Height();
    TControl::SetBounds(left, top, width, height);
    if (resized) RecalcNonClient();
}

void TWinControl::LoseFocusAndCaptureInside() {
    if (!Application) return;
    auto inside = [this](const TControl* c) {
        for (; c; c = c->Parent())
            if (c == this) return true;
        return false;
    };
    if (inside(Application->FocusedControl())) Application->SetFocusedControl(nullptr);
    if (TForm* form = ParentForm(); form && inside(form->activeControl_) && form != this)
        form->activeControl_ = nullptr;
    if (inside(Application->Input().Capture())) Application->Input().SetCapture(nullptr);
}

void TWinControl::SetEnabled(bool enabled) {
    if (!enabled) LoseFocusAndCaptureInside();
    TControl::SetEnabled(enabled);
    // Children look disabled with their parent; let them repaint.
    Invalidate();
}

void TWinControl::SetVisible(bool visible) {
    if (!visible) LoseFocusAndCaptureInside();
    TControl::SetVisible(visible);
}

void TWinControl::WndProc(TMessage& m) {
    switch (m.Msg) {
        case kWmKeyDown:
        case kWmSysKeyDown: {
            auto key = static_cast<uint16_t>(m.WParam);
            KeyDown(key, static_cast<TShiftState>(m.LParam));
            m.Result = key == 0 ? 1 : 0;
            return;
        }
        case kWmKeyUp:
        case kWmSysKeyUp: {
            auto key = static_cast<uint16_t>(m.WParam);
            KeyUp(key, static_cast<TShiftState>(m.LParam));
            m.Result = key == 0 ? 1 : 0;
            return;
        }
        case kWmChar: {
            auto ch = static_cast<char32_t>(m.WParam);
            KeyPress(ch);
            m.Result = ch == 0 ? 1 : 0;
            return;
        }
        case kCmEnter:
            DoEnter();
            return;
        case kCmExit:
            DoExit();
            return;
        case kCmDialogKey:
            m.Result = DialogKey(static_cast<uint16_t>(m.WParam), static_cast<TShiftState>(m.LParam)) ? 1 : 0;
            return;
        case kWmNcHitTest: {
            const Point p = PointOf(m)->Client(*this);
            m.Result = ClientRect().Contains(p) ? kHtClient : kHtBorder;
            return;
        }
        case kWmEraseBkgnd:
            if (!(ControlStyle() & csOpaque)) {
                if (auto* canvas = reinterpret_cast<Canvas*>(m.WParam))
                    canvas->FillRect(ClientRect(), GetColor());
            }
            m.Result = 1;
            return;
        default:
            TControl::WndProc(m);
    }
}

void TWinControl::KeyDown(uint16_t& key, TShiftState shift) {
    if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(uint16_t& key, TShiftState shift) {
    if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char32_t& key) {
    if (OnKeyPress) OnKeyPress(this, key);
}

void TWinControl::DoEnter() {
    if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
    if (OnExit) OnExit(this);
}

bool TWinControl::DialogKey(uint16_t key, TShiftState shift) {
    std::vector<TControl*> children = controls_;
    for (TControl* c : children)
        if (c->Perform(kCmDialogKey, key, static_cast<intptr_t>(shift)) != 0) return true;
    return false;
}

}  // namespace dsp
