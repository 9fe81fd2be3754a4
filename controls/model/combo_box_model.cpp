#include "controls/model/combo_box_model.h"

#include <algorithm>

namespace dsp {

void ComboBoxModel::Fire(Event& e) {
    if (e) e(*this);
}

void ComboBoxModel::SetItemIndex(int index) {
    list_.SetItemIndex(index);
    int now = list_.ItemIndex();
    if (list_.Count() > 0 && now != -1) SetText(list_.Items()[static_cast<std::size_t>(now)]);
    savedIndex_ = now;
    Fire(OnInvalidate);
    if (!loading_) Fire(OnClick);
}

void ComboBoxModel::SetText(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    Fire(OnInvalidate);
    if (!loading_) Fire(OnChange);
}

void ComboBoxModel::SetDropDownCount(int count) {
    if (count > 0) dropDownCount_ = count;
}

void ComboBoxModel::DropDown() {
    if (list_.Count() == 0) return;
    DropDownEnvironment env = Environment ? Environment() : DropDownEnvironment{};
    StopAutoScroll();
    Fire(OnDropDown);
    DropDownInput in;
    in.combo = env.combo;
    in.workArea = env.workArea;
    in.listBoxWidth = listBoxWidth_;
    in.itemCount = list_.Count();
    in.dropDownCount = dropDownCount_;
    in.itemHeight = env.itemHeight;
    in.sectionFrameHeight = env.sectionFrameHeight;
    listRect_ = DropDownRect(in);
    itemHeight_ = env.itemHeight;
    rowsTop_ = env.rowsTop;
    list_.SetRows(DropDownRows(list_.Count(), dropDownCount_));
    savedIndex_ = list_.ItemIndex();
    dropped_ = true;
    list_.MakeVisible(list_.ItemIndex());
    Fire(OnShowList);
}

void ComboBoxModel::CloseUp(bool accept) {
    StopAutoScroll();
    bool wasShown = dropped_;
    if (wasShown) Fire(OnHideList);
    int index = list_.ItemIndex();
    if (index < 0) {
        list_.SetItemIndex(savedIndex_);
    } else if (accept && index < list_.Count()) {
        SetText(list_.Items()[static_cast<std::size_t>(index)]);
        if (!loading_) Fire(OnClick);
    } else {
        list_.SetItemIndex(savedIndex_);
    }
    dropped_ = false;
    pressStartedOnCombo_ = false;
    pointerOverList_ = false;
    Fire(OnInvalidate);
    if (accept && !loading_) Fire(OnCloseUp);
}

bool ComboBoxModel::KeyDown(NavKey key, bool alt) {
    int index = list_.ItemIndex();
    int count = list_.Count();
    switch (key) {
        case NavKey::Enter:
            if (dropped_) CloseUp(true);
            return true;
        case NavKey::Escape:
            if (dropped_) CloseUp(false);
            return true;
        case NavKey::PageUp:
            SetItemIndex(std::max(0, index - dropDownCount_ - 1));
            return true;
        case NavKey::PageDown:
            SetItemIndex(std::min(count - 1, index + dropDownCount_ - 1));
            return true;
        case NavKey::Left:
        case NavKey::Up:
            if (alt) {
                if (dropped_) CloseUp(false);
            } else if (index > 0) {
                SetItemIndex(index - 1);
            }
            return true;
        case NavKey::Right:
        case NavKey::Down:
            if (alt) {
                if (!dropped_) DropDown();
                return true;
            }
            if (index < count - 1) SetItemIndex(index + 1);
            return true;
        default:
            return false;
    }
}

void ComboBoxModel::KeyChar(std::string_view ch, long long nowMs) {
    if (ch.empty() || static_cast<unsigned char>(ch.front()) < 0x20) return;
    if (autoComplete_) {
        if (typedBefore_ && nowMs - lastKeyMs_ >= kTypeAheadResetMs) prefix_.clear();
        prefix_ += ch;
    } else {
        prefix_ = std::string(ch);
    }
    lastKeyMs_ = nowMs;
    typedBefore_ = true;
    // One character steps through the items that begin with it; a longer
    // prefix is searched from the top.
    bool single = prefix_.size() == ch.size();
    int found = list_.FindPrefix(prefix_, single ? list_.ItemIndex() : -1);
    if (found >= 0) SetItemIndex(found);
}

void ComboBoxModel::Wheel(std::int32_t wheelParam) {
    int index = list_.ItemIndex();
    int target = wheelParam > 0 ? index - 1 : index + 1;
    if (target < 0 || target >= list_.Count()) return;
    if (dropped_) {
        list_.SetItemIndex(target);
        list_.MakeVisible(target);
        Fire(OnInvalidate);
    } else {
        SetItemIndex(target);
    }
}

void ComboBoxModel::PressOnDropArea() {
    if (dropped_) {
        CloseUp(false);
        return;
    }
    pressStartedOnCombo_ = true;
    pointerOverList_ = false;
    DropDown();
}

void ComboBoxModel::PressElsewhere() {
    if (dropped_) CloseUp(false);
}

int ComboBoxModel::ItemAtScreenY(int y) const {
    return list_.ItemAtOffset(y - listRect_.top - rowsTop_, itemHeight_);
}

void ComboBoxModel::HeldMove(Point screen) {
    if (!dropped_ || !pressStartedOnCombo_) return;
    if (screen.y >= listRect_.top && screen.y < listRect_.bottom) {
        StopAutoScroll();
        int item = ItemAtScreenY(screen.y);
        if (item != list_.ItemIndex()) {
            list_.SetItemIndex(item);
            Fire(OnInvalidate);
        }
        pointerOverList_ = true;
        return;
    }
    if (!pointerOverList_ || !list_.CanScroll()) return;
    int direction = screen.y < listRect_.top ? -1 : +1;
    if (direction != autoScroll_) {
        autoScroll_ = direction;
        timers_.StartTimer(kAutoScrollTimerId, kAutoScrollMs);
    }
}

void ComboBoxModel::Release(bool overList) {
    if (pressStartedOnCombo_ && pointerOverList_) {
        CloseUp(overList);
    }
    pressStartedOnCombo_ = false;
    pointerOverList_ = false;
    Fire(OnInvalidate);
}

void ComboBoxModel::ListMove(Point screen) {
    if (!dropped_) return;
    int item = ItemAtScreenY(screen.y);
    if (item != list_.ItemIndex()) {
        list_.SetItemIndex(item);
        Fire(OnInvalidate);
    }
}

void ComboBoxModel::ListPress() {
    if (!dropped_) return;
    pressStartedOnCombo_ = true;
    pointerOverList_ = true;
}

void ComboBoxModel::FocusLost() {
    if (dropped_) CloseUp(false);
}

void ComboBoxModel::OnTimer(int id) {
    if (id != kAutoScrollTimerId || autoScroll_ == 0) return;
    int index = list_.ItemIndex();
    if (autoScroll_ < 0 && index >= 1) {
        list_.SetItemIndex(index - 1);
    } else if (autoScroll_ > 0 && index < list_.Count() - 1) {
        list_.SetItemIndex(index + 1);
    } else {
        return;
    }
    list_.MakeVisible(list_.ItemIndex());
    Fire(OnInvalidate);
}

void ComboBoxModel::ScrollListTo(int top) {
    list_.SetTopIndex(top);
    Fire(OnInvalidate);
}

void ComboBoxModel::StopAutoScroll() {
    if (autoScroll_ == 0) return;
    autoScroll_ = 0;
    timers_.StopTimer(kAutoScrollTimerId);
}

}  // namespace dsp
