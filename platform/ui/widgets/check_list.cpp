#include "platform/ui/widgets/check_list.h"

#include <algorithm>

namespace ui {

void CheckList::Fill(const std::vector<ListRow>& rows) {
    rows_ = rows;
    checked_.assign(rows_.size(), false);
}

int CheckList::GreyedCount() const {
    return static_cast<int>(std::count_if(rows_.begin(), rows_.end(),
                                          [](const ListRow& row) { return row.greyed; }));
}

int CheckList::CheckedCount() const {
    return static_cast<int>(std::count(checked_.begin(), checked_.end(), true));
}

bool CheckList::SetChecked(size_t row, bool checked) {
    if (row >= rows_.size()) return false;
    checked_[row] = checked && !rows_[row].greyed;
    return checked_[row];
}

bool CheckList::Toggle(size_t row) {
    if (row >= rows_.size()) return false;
    return SetChecked(row, !checked_[row]);
}

void CheckList::CheckAll() {
    for (size_t row = 0; row < rows_.size(); ++row) SetChecked(row, true);
}

void CheckList::UncheckAll() {
    checked_.assign(rows_.size(), false);
}

}  // namespace ui
