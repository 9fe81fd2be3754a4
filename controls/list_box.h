#pragma once
// TbsSkinCustomListBox: the skinned list inside the combo's drop-down. Its
// frame is the list section's body (or a 1-pixel line round button face);
// the rows of the combo's list model fill the section's client rectangle,
// each drawn in a bitmap of its own and copied at once; a vertical scroll
// bar, on the section the list section names, shows when the items do not
// all fit.

#include <functional>

#include "controls/model/list_model.h"
#include "controls/skin_custom_control.h"

namespace dsp {

class TbsDataSkinListBox;
class TbsSkinScrollBar;

inline constexpr int kListFrame = 2;         // rows start this far inside a list without a section
inline constexpr int kListScrollWidth = 17;  // a scroll bar without a section

class TbsSkinCustomListBox : public TbsSkinCustomControl {
  public:
    explicit TbsSkinCustomListBox(TComponent* owner);

    // The rows shown: items, current index, first row, rows that fit.
    void SetRows(const ListModel* rows) { rows_ = rows; }
    int DefaultItemHeight() const { return defaultItemHeight_; }
    void SetDefaultItemHeight(int h);
    bool UseSkinItemHeight() const { return useSkinItemHeight_; }
    void SetUseSkinItemHeight(bool use) { useSkinItemHeight_ = use; }

    // The row height: the section's item picture height, or the default.
    int ItemHeight() const;
    // The section's height less its client rectangle's; -1 without a section.
    int FrameHeight() const;
    // Where the rows go: the client rectangle moved with the size, or 2
    // pixels inside without a section; less the scroll bar when it shows.
    Rect RowsRect() const;
    // The first row's top inside the list.
    int RowsTop() const { return InnerRect().top; }
    TbsSkinScrollBar* ScrollBar() const { return scrollBar_; }
    // Brings the scroll bar in step with the rows, without a change event.
    void Sync();

    void ReadSkinData() override;

    // The scroll bar moved: the first row it asks for.
    std::function<void(int top)> OnScroll;
    // The pointer over the list, in screen coordinates, and a left press.
    std::function<void(Point screen)> OnPointerMove;
    std::function<void()> OnLeftPress;

  protected:
    void PaintDefaultLook(LookContext& look) override;
    void PaintSkinLook(LookContext& look) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;

  private:
    const TbsDataSkinListBox* ListSection() const;
    Rect InnerRect() const;
    void PaintRows(Canvas& canvas, const TbsDataSkinListBox* section);
    void PlaceScrollBar(bool shown);

    const ListModel* rows_ = nullptr;
    TbsSkinScrollBar* scrollBar_ = nullptr;  // owned through the component tree
    int defaultItemHeight_ = 20;
    bool useSkinItemHeight_ = true;
    bool syncing_ = false;
};

}  // namespace dsp
