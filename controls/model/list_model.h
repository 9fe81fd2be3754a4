#pragma once
// The rows of a drop-down list: its items, the current (highlighted) index,
// the first visible row and how many rows fit. An index outside the items
// selects nothing (-1). The prefix search matches the start of an item
// regardless of ASCII letter case.

#include <string>
#include <string_view>
#include <vector>

namespace dsp {

class ListModel {
public:
    const std::vector<std::string>& Items() const { return items_; }
    int Count() const { return static_cast<int>(items_.size()); }
    int ItemIndex() const { return itemIndex_; }
    int TopIndex() const { return topIndex_; }
    int Rows() const { return rows_; }
    bool CanScroll() const { return Count() > rows_; }

    void SetItems(std::vector<std::string> items);
    void SetItemIndex(int index);
    void SetRows(int rows);
    // The first visible row, kept so that the last rows stay filled.
    void SetTopIndex(int top);
    // Scrolls as little as needed to show row `index`.
    void MakeVisible(int index);
    // The item at a row offset (pixels from the first row's top); clamped to
    // the visible rows that hold items, -1 when there are none.
    int ItemAtOffset(int y, int itemHeight) const;
    // The first item from `start` + 1 onward (wrapping; -1 = from the first
    // item) whose text begins with `prefix`; -1 when none does.
    int FindPrefix(std::string_view prefix, int start) const;

private:
    std::vector<std::string> items_;
    int itemIndex_ = -1;
    int topIndex_ = 0;
    int rows_ = 8;
};

} // namespace dsp
