#pragma once
// TbsSkinComboBox: a fixed-style drop-down list. The selection rules, keys,
// type-ahead, wheel and press-drag-release live in ComboBoxModel; this class
// puts them on the window with its popup list.

#include <string>
#include <vector>

#include "controls/model/combo_box_model.h"
#include "controls/skin_custom_control.h"
#include "controls/timer_port.h"

namespace dsp {

class TbsPopupListBox;

class TbsSkinComboBox : public TbsSkinCustomControl {
  public:
    explicit TbsSkinComboBox(TComponent* owner);

    const std::vector<std::string>& Items() const { return model_.Items(); }
    void SetItems(std::vector<std::string> items);
    int ItemIndex() const { return model_.ItemIndex(); }
    void SetItemIndex(int index);
    const std::string& Text() const { return model_.Text(); }
    void SetText(const std::string& text);
    int DropDownCount() const { return model_.DropDownCount(); }
    void SetDropDownCount(int n) { model_.SetDropDownCount(n); }
    int ListBoxWidth() const { return model_.ListBoxWidth(); }
    void SetListBoxWidth(int w) { model_.SetListBoxWidth(w); }
    bool AutoComplete() const { return model_.AutoComplete(); }
    void SetAutoComplete(bool on) { model_.SetAutoComplete(on); }
    int ListBoxDefaultItemHeight() const { return itemHeight_; }
    void SetListBoxDefaultItemHeight(int h) { itemHeight_ = h; }
    Color DefaultColor() const { return defaultColor_; }
    void SetDefaultColor(Color c) { defaultColor_ = c; }
    const TFont& Font() const { return font_; }
    TFont& Font() { return font_; }
    bool DroppedDown() const { return model_.Dropped(); }
    void DropDown() { model_.DropDown(); }
    void CloseUp(bool accept) { model_.CloseUp(accept); }

    ComboBoxModel& Model() { return model_; }
    TbsPopupListBox& ListBox() const { return *list_; }
    Rect ButtonRect() const { return {Width() - 19, 2, Width() - 2, Height() - 2}; }
    Rect TextAreaRect() const { return {2, 2, ButtonRect().left - 1, Height() - 2}; }

    TNotifyEvent OnChange;
    TNotifyEvent OnCloseUp;
    TNotifyEvent OnDropDown;

  protected:
    void PaintDefaultLook(Bitmap& bitmap) override;
    // Drawn in the default look also when skinned, until this kind draws
    // from its section.
    void PaintSkinLook(Bitmap& bitmap) override { PaintDefaultLook(bitmap); }
    void WndProc(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseLeave() override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    bool DoMouseWheel(TShiftState shift, int wheelDelta, Point mousePos) override;
    void DoExit() override;
    void TimerFired(uint32_t id) override { model_.OnTimer(static_cast<int>(id)); }
    void Loaded() override;

  private:
    friend class TbsPopupListBox;

    ControlTimerPort timers_{*this};
    ComboBoxModel model_{timers_};
    TbsPopupListBox* list_ = nullptr;  // owned through the component tree
    int itemHeight_ = 20;
    Color defaultColor_ = clWindow;
    TFont font_{"Arial", 14};
    bool buttonPressed_ = false;
    bool buttonHover_ = false;
};

}  // namespace dsp
