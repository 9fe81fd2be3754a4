#pragma once
// TbsPopupListBox: the combo box's drop-down, a popup window that never takes
// activation. It holds the skinned list (TbsSkinCustomListBox) over its
// whole area, which draws the combo's rows and its scroll bar.

#include "controls/list_box.h"
#include "platform/framework/form.h"

namespace dsp {

class TbsSkinComboBox;

class TbsPopupListBox : public TForm {
  public:
    TbsPopupListBox(TbsSkinComboBox& combo);

    TbsSkinCustomListBox& ListBox() const { return *box_; }
    int ItemHeight() const { return box_->ItemHeight(); }
    // Places the list and brings its scroll bar in step with the rows.
    void ShowAt(const Rect& screen);
    void HideList();
    void Sync();
    TbsSkinScrollBar* ScrollBar() const { return box_->ScrollBar(); }
    // The rows' area in the popup's coordinates.
    Rect RowsRect() const { return box_->RowsRect(); }

  private:
    TbsSkinComboBox& combo_;
    TbsSkinCustomListBox* box_ = nullptr;  // owned through the component tree
};

}  // namespace dsp
