#pragma once
// TbsSkinComboBox: a fixed-style drop-down list. The selection rules, keys,
// type-ahead, wheel and press-drag-release live in ComboBoxModel; this class
// puts them on the window with its popup list.

#include <optional>
#include <string>
#include <vector>

#include "controls/look/combo_box_look.h"
#include "controls/model/combo_box_geometry.h"
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
    int ListBoxDefaultItemHeight() const;
    void SetListBoxDefaultItemHeight(int h);
    // Rows as high as the list section's item picture (else the default
    // height, the picture fitted to it).
    bool ListBoxUseSkinItemHeight() const;
    void SetListBoxUseSkinItemHeight(bool use);
    Color DefaultColor() const { return defaultColor_; }
    void SetDefaultColor(Color c) { defaultColor_ = c; }
    const TFont& Font() const { return font_; }
    TFont& Font() { return font_; }
    bool DroppedDown() const { return model_.Dropped(); }
    void DropDown() { model_.DropDown(); }
    void CloseUp(bool accept) { model_.CloseUp(accept); }

    ComboBoxModel& Model() { return model_; }
    TbsPopupListBox& ListBox() const { return *list_; }
    // The drop button and the text area: moved with the width from the
    // section when skinned.
    Rect ButtonRect() const;
    Rect TextAreaRect() const;

    void ReadSkinData() override;

    TNotifyEvent OnChange;
    TNotifyEvent OnCloseUp;
    TNotifyEvent OnDropDown;

  protected:
    void PaintDefaultLook(LookContext& look) override;
    // The body (active while hot, open or focused), the button by state and
    // the selected item from a combo section; another kind draws the
    // default look.
    void PaintSkinLook(LookContext& look) override;
    void WndProc(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    bool DoMouseWheel(TShiftState shift, int wheelDelta, Point mousePos) override;
    void DoEnter() override;
    void DoExit() override;
    void TimerFired(uint32_t id) override { model_.OnTimer(static_cast<int>(id)); }
    void Loaded() override;

  private:
    friend class TbsPopupListBox;

    ComboBoxParts Parts() const;
    ComboBoxVisual Visual() const;
    // Hands the skin to the list before it is sized: the skin data and the
    // list section the combo's section names.
    void PrepareList();

    ControlTimerPort timers_{*this};
    ComboBoxModel model_{timers_};
    TbsPopupListBox* list_ = nullptr;                   // owned through the component tree
    std::optional<ComboBoxSkinGeometry> skinGeometry_;  // with a combo section
    Color defaultColor_ = clWindow;
    TFont font_{"Arial", 14};
    bool buttonPressed_ = false;
    bool buttonHover_ = false;
    bool pointerInside_ = false;
};

}  // namespace dsp
