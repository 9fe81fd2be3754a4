#include "tools/demo-form/demo_form.h"

#include "platform/text/utf8.h"

namespace dsp {

TDemoButton::TDemoButton(TComponent* owner, TWinControl* parent, Rect bounds, Color face)
    : TCustomControl(owner), face_(face) {
    SetParent(parent);
    SetBoundsRect(bounds);
    SetTabStop(true);
    SetControlStyle(ControlStyle() | csOpaque);
}

void TDemoButton::Paint() {
    Canvas& c = *PaintCanvas();
    Rect r = ClientRect();
    bool enabled = EnabledThroughParents();
    c.FillRect(r, enabled ? face_ : clBtnFace);
    if (down_)
        c.Draw3DRect(r, clBtnShadow, clBtnHighlight);
    else
        c.Draw3DRect(r, clBtnHighlight, cl3DDkShadow);
    if (Focused()) c.DrawFocusRect(r.Inflate(-3, -3));
}

void TDemoButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) {
        down_ = true;
        SetFocus();
        Invalidate();
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TDemoButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) {
        down_ = false;
        Invalidate();
    }
    TCustomControl::MouseUp(button, shift, x, y);
}

void TDemoButton::WndProc(TMessage& m) {
    TCustomControl::WndProc(m);
    if (m.Msg == kWmSetFocus || m.Msg == kWmKillFocus || m.Msg == kCmEnabledChanged) Invalidate();
    // Space clicks the focused button.
    if (m.Msg == kWmKeyUp && m.WParam == kVkSpace) Click();
}

TDemoForm::TDemoForm(TComponent* owner) : TForm(owner) {
    SetName("DemoForm");
    SetText("Demo form");
    SetBoundsRect(Rect::FromOriginSize(100, 100, 320, 200));
    SetColor(clSilver);
    Button1 = new TDemoButton(this, this, Rect::FromOriginSize(20, 20, 100, 30), clLime);
    Button1->SetName("Button1");
    Panel1 = new TCustomControl(this);
    Panel1->SetName("Panel1");
    Panel1->SetParent(this);
    Panel1->SetBoundsRect(Rect::FromOriginSize(20, 70, 200, 100));
    Panel1->SetColor(clGray);
    Button2 = new TDemoButton(this, Panel1, Rect::FromOriginSize(10, 10, 100, 30), clAqua);
    Button2->SetName("Button2");
    Button1->OnClick = [this](TObject*) {
        Panel1->SetEnabled(!Panel1->Enabled());
        Report("click Button1");
    };
    Button2->OnClick = [this](TObject*) { Report("click Button2"); };
    Button1->OnDblClick = [this](TObject*) { Report("dblclick Button1"); };
    Button1->OnMouseWheel = [this](TObject*, TShiftState, int delta, Point, bool& handled) {
        Report("wheel " + std::to_string(delta));
        handled = true;
    };
    Button1->OnKeyPress = [this](TObject*, char32_t& ch) {
        if (ch >= 0x20) Report("char " + EncodeUtf8(std::u32string(1, ch)));
    };
    Popup1 = new TForm(this);
    Popup1->SetName("Popup1");
    Popup1->SetPopup(true);
    Popup1->SetText("Demo popup");
    Popup1->SetBounds(0, 0, 120, 60);
    Item1 = new TDemoButton(this, Popup1, Rect::FromOriginSize(0, 0, 120, 30), clYellow);
    Item1->SetName("Item1");
    Item2 = new TDemoButton(this, Popup1, Rect::FromOriginSize(0, 30, 120, 30), clFuchsia);
    Item2->SetName("Item2");
    for (TDemoButton* item : {Item1, Item2})
        item->OnClick = [this](TObject* sender) {
            Popup1->Hide();
            Report("popup " + static_cast<TComponent*>(sender)->Name());
        };
    OnMouseDown = [this](TObject*, TMouseButton button, TShiftState, int x, int y) {
        if (button != TMouseButton::mbRight) return;
        Point at = ClientToScreen({x, y});
        Popup1->SetBounds(at.x, at.y, Popup1->Width(), Popup1->Height());
        Popup1->Show();
        Report("popup open");
    };
    // The top-right corner is cut away, to show window shapes at work.
    Region shape(Rect{0, 0, Width(), Height()});
    shape = shape.Subtract(Region(Rect{Width() - kCornerCut, 0, Width(), kCornerCut}));
    SetWindowRegion(shape);
    OnActivate = [this](TObject*) { Report("activate"); };
    OnClose = [this](TObject*, TCloseAction&) { Report("close"); };
}

TDemoForm::~TDemoForm() { DestroyComponents(); }

bool TDemoForm::DialogKey(uint16_t key, TShiftState shift) {
    if (key == kVkEscape) {
        Close();
        return true;
    }
    return TForm::DialogKey(key, shift);
}

}  // namespace dsp
