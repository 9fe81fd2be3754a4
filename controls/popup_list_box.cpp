#include "controls/popup_list_box.h"

#include "controls/combo_box.h"

namespace dsp {

TbsPopupListBox::TbsPopupListBox(TbsSkinComboBox& combo) : TForm(&combo), combo_(combo) {
    SetPopup(true);
    SetControlStyle(ControlStyle() & ~(csCaptureMouse | csClickEvents));
    box_ = new TbsSkinCustomListBox(this);
    box_->SetParent(this);
    box_->SetRows(&combo_.model_.List());
    box_->OnScroll = [this](int top) { combo_.model_.ScrollListTo(top); };
    box_->OnPointerMove = [this](Point s) { combo_.model_.ListMove({s.x, s.y}); };
    box_->OnLeftPress = [this] {
        // The release then closes the list with the row under the pointer.
        combo_.model_.ListPress();
        combo_.SetMouseCapture(true);
    };
}

void TbsPopupListBox::ShowAt(const Rect& screen) {
    SetBoundsRect(screen);
    box_->SetBounds(0, 0, screen.Width(), screen.Height());
    Sync();
    Show();
    Invalidate();
}

void TbsPopupListBox::HideList() { Hide(); }

void TbsPopupListBox::Sync() {
    box_->Sync();
    box_->Invalidate();
}

}  // namespace dsp
