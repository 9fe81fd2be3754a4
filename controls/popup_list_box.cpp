#include "controls/popup_list_box.h"

#include <algorithm>

#include "controls/combo_box.h"
#include "controls/scroll_bar.h"
#include "controls/text_paint.h"

namespace dsp {

TbsPopupListBox::TbsPopupListBox(TbsSkinComboBox& combo) : TForm(&combo), combo_(combo) {
    SetPopup(true);
    SetControlStyle(ControlStyle() & ~(csCaptureMouse | csClickEvents));
    scrollBar_ = new TbsSkinScrollBar(this);
    scrollBar_->SetParent(this);
    scrollBar_->SetKind(ScrollBarKind::sbVertical);
    scrollBar_->SetVisible(false);
    scrollBar_->OnChange = [this](TObject*) {
        if (!syncing_) combo_.model_.ScrollListTo(scrollBar_->Position());
        Invalidate();
    };
}

Rect TbsPopupListBox::RowsRect() const {
    Rect r{kListFrame, kListFrame, Width() - kListFrame, Height() - kListFrame};
    if (scrollBar_->Visible()) r.right -= kListScrollWidth;
    return r;
}

void TbsPopupListBox::ShowAt(const Rect& screen) {
    SetBoundsRect(screen);
    Sync();
    Show();
    Invalidate();
}

void TbsPopupListBox::HideList() { Hide(); }

void TbsPopupListBox::Sync() {
    const ListModel& list = combo_.model_.List();
    bool scroll = list.Count() > list.Rows();
    syncing_ = true;
    scrollBar_->SetVisible(scroll);
    if (scroll) {
        scrollBar_->SetBounds(Width() - kListFrame - kListScrollWidth, kListFrame, kListScrollWidth,
                              Height() - 2 * kListFrame);
        ScrollBarModel& m = scrollBar_->Model();
        m.SetParams(0, list.Count() - 1, list.Rows(), list.TopIndex());
        m.SetLargeChange(list.Rows());
    }
    syncing_ = false;
}

void TbsPopupListBox::Paint() {
    Canvas& c = *PaintCanvas();
    Rect all = ClientRect();
    c.FillRect(all, clBtnFace);
    c.FrameRect(all, clBtnShadow);
    const ListModel& list = combo_.model_.List();
    Rect rows = RowsRect();
    for (int i = 0; i < list.Rows(); ++i) {
        int index = list.TopIndex() + i;
        if (index >= list.Count()) break;
        Rect row{rows.left, rows.top + i * itemHeight_, rows.right, rows.top + (i + 1) * itemHeight_};
        PaintRow(c, index, row, index == list.ItemIndex());
    }
}

void TbsPopupListBox::PaintRow(Canvas& canvas, int index, const Rect& row, bool selected) {
    // Each row goes through its own bitmap, copied in one step.
    Bitmap bitmap(row.Width(), row.Height());
    Canvas c(bitmap);
    Rect r{0, 0, row.Width(), row.Height()};
    c.FillRect(r, selected ? clHighlight : clWindow);
    Color color = selected ? clHighlightText : combo_.Font().Color();
    Rect text{r.left + 2, r.top, r.right - 2, r.bottom};
    int h = TextHeight(combo_.Font());
    Rect line{text.left + 2, text.top + text.Height() / 2 - h / 2, text.right, text.top + text.Height() / 2 - h / 2 + h};
    ClipScope clip(c, text);
    PaintText(c, combo_.Font(), color, combo_.model_.Items()[static_cast<size_t>(index)], line,
              kDtLeft | kDtSingleLine | kDtNoPrefix | kDtNoClip);
    canvas.Draw(row.TopLeft(), bitmap);
}

void TbsPopupListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TForm::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft) return;
    combo_.model_.ListPress();
    combo_.SetMouseCapture(true);
}

void TbsPopupListBox::MouseMove(TShiftState shift, int x, int y) {
    TForm::MouseMove(shift, x, y);
    combo_.model_.ListMove({ClientToScreen({x, y}).x, ClientToScreen({x, y}).y});
}

} // namespace dsp
