#pragma once
// The list-view control in report view: columns, rows with sub-item texts,
// item data, check boxes, selection and sorting. Custom draw and column
// clicks reach a derived class through OnReflectedNotify.
#include "platform/ui/window.h"

#include <commctrl.h>
#include <string>

namespace ui {

class ListView : public Window {
public:
    DWORD SetExtendedStyle(DWORD style);  // LVS_EX_CHECKBOXES, LVS_EX_FULLROWSELECT ...
    DWORD GetExtendedStyle() const;

    int InsertColumn(int column, const std::string& heading, int width = -1, int format = LVCFMT_LEFT);
    bool SetColumnWidth(int column, int width);
    int GetColumnWidth(int column) const;
    std::string GetColumnText(int column) const;
    int GetColumnCount() const;

    int GetItemCount() const;
    // Inserts a row at index (past the end appends). Index of the row, or -1.
    int InsertItem(int index, const std::string& text, LPARAM data = 0);
    bool SetItemText(int row, int column, const std::string& text);
    std::string GetItemText(int row, int column) const;
    bool SetItemData(int row, LPARAM data);
    LPARAM GetItemData(int row) const;
    bool DeleteItem(int row);
    bool DeleteAllItems();

    bool GetCheck(int row) const;
    void SetCheck(int row, bool checked);

    // LVNI_SELECTED, LVNI_FOCUSED ... after start (-1 from the top); -1 none.
    int GetNextItem(int start, int flags) const;
    int GetSelectedCount() const;
    void SetItemState(int row, UINT state, UINT mask);
    int HitTest(POINT point, UINT* flags = nullptr) const;
    // Whole-text search of column 0, letter case ignored; -1 when absent.
    int FindItem(const std::string& text) const;
    int GetStringWidth(const std::string& text) const;
    // Orders the rows by item data through the compare function.
    bool SortItems(PFNLVCOMPARE compare, LPARAM context);
};

}  // namespace ui
