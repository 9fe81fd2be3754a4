#pragma once
// TbsSkinPopupMenu: a pop-up menu drawn with a skin's pop-up window look
// ([POPUPWINDOW] for the window, the "MENUITEM" object for its rows), or in
// button colours without a skin. It never takes activation: while open it
// holds the mouse and the keyboard, a click outside closes it, Up and Down
// move the hot row, Enter chooses it, Escape closes, and an item's
// accelerator letter chooses it at once.

#include <functional>
#include <string>
#include <vector>

#include "platform/framework/form.h"
#include "platform/text/font.h"

namespace dsp {

class FontEngine;
class TbsSkinData;

struct TbsMenuItem {
    std::string name;      // "BSF_CLOSE"
    std::string caption;   // "&Close"; "-" is a separator
    std::string shortCut;  // "Alt+F4"
    bool enabled = true;
    std::function<void()> onClick;
    bool IsSeparator() const { return caption == "-"; }
};

class TbsSkinPopupMenu : public TForm {
  public:
    TbsSkinPopupMenu(TComponent* owner, FontEngine& fonts);
    ~TbsSkinPopupMenu() override;

    void SetSkinData(const TbsSkinData* skin) { skin_ = skin; }
    void SetDefaultItemHeight(int height) { defaultItemHeight_ = height; }
    std::vector<TbsMenuItem>& Items() { return items_; }
    const std::vector<TbsMenuItem>& Items() const { return items_; }
    int HotItem() const { return hot_; }

    // Shows the menu with its top-left corner at `screen`, kept inside `area`.
    void Popup(Point screen, const Rect& area);
    // Closes it; `chosen` runs after the menu has gone.
    void CloseMenu(std::function<void()> chosen = {});
    // The row rectangle of item `index`, client coordinates.
    Rect ItemRect(int index) const;
    int ItemAt(Point client) const;

    std::function<void()> OnMenuClose;

  protected:
    void WndProc(TMessage& message) override;
    void Paint() override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;

  private:
    Size MeasureMenu(Canvas& canvas);
    Rect ItemsArea() const;
    int RowHeight(const TbsMenuItem& item) const;
    void Choose(int index);
    void MoveHot(int step);
    void PaintWindow(Canvas& canvas);
    void PaintItem(Canvas& canvas, int index);
    TFont ItemFont(bool hot, bool enabled) const;

    FontEngine& fonts_;
    const TbsSkinData* skin_ = nullptr;
    std::vector<TbsMenuItem> items_;
    int hot_ = -1;
    int defaultItemHeight_ = 20;
    bool open_ = false;
};

}  // namespace dsp
