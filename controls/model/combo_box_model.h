#pragma once
// The fixed-style combo box's selection model and behaviour: ItemIndex, Text,
// the drop-down's open and close, the keyboard table, type-ahead, the wheel
// and press-drag-release selection with its 25 ms auto-scroll.
//
// Event order: setting ItemIndex sets Text first (OnChange, only when the
// text differs) and then fires OnClick, on every set. Closing the list with a
// pick sets Text the same way, fires OnClick, then OnCloseUp; closing without
// one fires nothing. Nothing fires while the stored layout is being loaded.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/model/control_timers.h"
#include "controls/model/drop_down_geometry.h"
#include "controls/model/list_model.h"
#include "controls/model/nav_key.h"

namespace dsp {

// What the drop-down needs to know about the screen when it opens.
struct DropDownEnvironment {
    Rect combo;     // the combo on the screen
    Rect workArea;  // of its monitor
    int itemHeight = 20;
    int sectionFrameHeight = -1;  // -1: no list section
    int rowsTop = 2;              // first row below the list's top edge
};

class ComboBoxModel {
  public:
    using Event = std::function<void(ComboBoxModel& sender)>;
    static constexpr int kAutoScrollTimerId = 1;
    static constexpr int kAutoScrollMs = 25;
    static constexpr long long kTypeAheadResetMs = 500;

    explicit ComboBoxModel(ControlTimers& timers) : timers_(timers) {}

    const std::vector<std::string>& Items() const { return list_.Items(); }
    void SetItems(std::vector<std::string> items) { list_.SetItems(std::move(items)); }
    int ItemIndex() const { return list_.ItemIndex(); }
    void SetItemIndex(int index);
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int count);
    int ListBoxWidth() const { return listBoxWidth_; }
    void SetListBoxWidth(int width) { listBoxWidth_ = width; }
    bool AutoComplete() const { return autoComplete_; }
    void SetAutoComplete(bool on) { autoComplete_ = on; }
    void SetLoading(bool loading) { loading_ = loading; }

    const ListModel& List() const { return list_; }
    bool Dropped() const { return dropped_; }
    const Rect& ListRect() const { return listRect_; }
    int AutoScrollDirection() const { return autoScroll_; }

    // Opens the list (nothing when there are no items), placed by Environment.
    void DropDown();
    void CloseUp(bool accept);

    // Keys of the fixed style (Alt+Down opens the list); true when used.
    bool KeyDown(NavKey key, bool alt);
    // A typed character (UTF-8), with the time it came in milliseconds.
    void KeyChar(std::string_view ch, long long nowMs);
    void Wheel(std::int32_t wheelParam);

    // A left press on the drop button, on the text area, or anywhere in
    // tool-button style: opens a closed list, closes an open one.
    void PressOnDropArea();
    // A press anywhere else while the list is open closes it.
    void PressElsewhere();
    // Pointer moves (screen coordinates) while the press that opened the list is held.
    void HeldMove(Point screen);
    // The release of that press; `overList` is true when the window under the
    // pointer is the list.
    void Release(bool overList);
    // Pointer moves over the open list, and a left press on it.
    void ListMove(Point screen);
    void ListPress();
    void FocusLost();
    void OnTimer(int id);
    // The list's scroll bar moved.
    void ScrollListTo(int top);

    // Where the combo is on the screen when the list opens.
    std::function<DropDownEnvironment()> Environment;

    Event OnChange;
    Event OnClick;
    Event OnCloseUp;
    Event OnDropDown;
    Event OnInvalidate;
    Event OnShowList;  // show the list at ListRect()
    Event OnHideList;

  private:
    void Fire(Event& e);
    void StopAutoScroll();
    int ItemAtScreenY(int y) const;

    ControlTimers& timers_;
    ListModel list_;
    std::string text_;
    int dropDownCount_ = 8;
    int listBoxWidth_ = 0;
    bool autoComplete_ = true;
    bool loading_ = false;
    int savedIndex_ = -1;
    bool dropped_ = false;
    Rect listRect_;
    int itemHeight_ = 20;
    int rowsTop_ = 2;
    bool pressStartedOnCombo_ = false;
    bool pointerOverList_ = false;
    int autoScroll_ = 0;  // -1 up, +1 down
    std::string prefix_;
    long long lastKeyMs_ = 0;
    bool typedBefore_ = false;
};

}  // namespace dsp
