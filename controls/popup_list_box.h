#pragma once
// TbsPopupListBox: the combo box's drop-down list, a popup window that never
// takes activation. It draws the rows of the combo's list model, follows the
// pointer, and shows a vertical scroll bar when the items do not all fit.

#include "platform/framework/form.h"
#include "platform/text/font.h"

namespace dsp {

class TbsSkinComboBox;
class TbsSkinScrollBar;

inline constexpr int kListFrame = 2;      // rows start this far inside the list
inline constexpr int kListScrollWidth = 17;

class TbsPopupListBox : public TForm {
public:
    TbsPopupListBox(TbsSkinComboBox& combo);

    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int h) { itemHeight_ = h; }
    // Places the list and brings its scroll bar in step with the rows.
    void ShowAt(const Rect& screen);
    void HideList();
    void Sync();
    TbsSkinScrollBar* ScrollBar() const { return scrollBar_; }
    Rect RowsRect() const;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;

private:
    void PaintRow(Canvas& canvas, int index, const Rect& row, bool selected);

    TbsSkinComboBox& combo_;
    TbsSkinScrollBar* scrollBar_ = nullptr;
    int itemHeight_ = 20;
    bool syncing_ = false;
};

} // namespace dsp
