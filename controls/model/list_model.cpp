#include "controls/model/list_model.h"

#include <algorithm>

namespace dsp {
namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (prefix.size() > text.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (Lower(text[i]) != Lower(prefix[i])) return false;
    }
    return true;
}

} // namespace

void ListModel::SetItems(std::vector<std::string> items) {
    items_ = std::move(items);
    itemIndex_ = -1;
    topIndex_ = 0;
}

void ListModel::SetItemIndex(int index) { itemIndex_ = (index >= 0 && index < Count()) ? index : -1; }

void ListModel::SetRows(int rows) { rows_ = std::max(rows, 1); }

void ListModel::SetTopIndex(int top) { topIndex_ = std::clamp(top, 0, std::max(0, Count() - rows_)); }

void ListModel::MakeVisible(int index) {
    if (index < 0 || index >= Count()) return;
    if (index < topIndex_) {
        topIndex_ = index;
    } else if (index >= topIndex_ + rows_) {
        topIndex_ = index - rows_ + 1;
    }
    topIndex_ = std::clamp(topIndex_, 0, std::max(0, Count() - rows_));
}

int ListModel::ItemAtOffset(int y, int itemHeight) const {
    if (Count() == 0 || itemHeight <= 0) return -1;
    int row = y < 0 ? 0 : y / itemHeight;
    int last = std::min(Count() - 1, topIndex_ + rows_ - 1);
    return std::min(topIndex_ + row, last);
}

int ListModel::FindPrefix(std::string_view prefix, int start) const {
    int n = Count();
    if (n == 0) return -1;
    int first = (start < 0 || start >= n) ? 0 : start + 1;
    for (int k = 0; k < n; ++k) {
        int i = (first + k) % n;
        if (StartsWithNoCase(items_[static_cast<std::size_t>(i)], prefix)) return i;
    }
    return -1;
}

} // namespace dsp
