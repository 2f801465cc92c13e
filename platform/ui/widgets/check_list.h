#pragma once
// The rows of a wizard check list (dial-up connections, browser profiles).
// A greyed row can never be ticked, whatever path the tick comes by, and the
// number of ticked rows is always counted from the rows themselves.
#include <string>
#include <vector>

namespace ui {

struct ListRow {
    std::string name;
    bool greyed = false;
};

class CheckList {
public:
    void Fill(const std::vector<ListRow>& rows);

    size_t Count() const { return rows_.size(); }
    const std::string& Name(size_t row) const { return rows_[row].name; }
    bool IsGreyed(size_t row) const { return rows_[row].greyed; }
    bool IsChecked(size_t row) const { return checked_[row]; }
    int GreyedCount() const;
    int CheckedCount() const;

    // Sets a row's tick and returns the tick it now has (false for a greyed
    // row or a row that does not exist).
    bool SetChecked(size_t row, bool checked);
    // A mouse click on the check box or the space bar.
    bool Toggle(size_t row);
    void CheckAll();
    void UncheckAll();

    // The tick of every row, in row order.
    const std::vector<bool>& Ticks() const { return checked_; }

private:
    std::vector<ListRow> rows_;
    std::vector<bool> checked_;
};

}  // namespace ui
