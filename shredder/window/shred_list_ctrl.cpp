#include "shredder/window/shred_list_ctrl.h"

#include <algorithm>

namespace shredder {

void CShredListCtrl::FitColumn(int column, int skipRow) {
    int widest = GetStringWidth(GetColumnText(column));
    for (int row = 0; row < GetItemCount(); ++row) {
        if (row != skipRow) widest = std::max(widest, GetStringWidth(GetItemText(row, column)));
    }
    SetColumnWidth(column, widest + kColumnMargin);
}

void CShredListCtrl::FitColumnToHeader(int column) {
    SetColumnWidth(column, GetStringWidth(GetColumnText(column)) + kColumnMargin);
}

bool CShredListCtrl::OnReflectedNotify(NMHDR& header, LRESULT& result) {
    switch (header.code) {
    case LVN_DELETEITEM: {
        // Sent while the row still exists: it is left out of the measure.
        const int row = reinterpret_cast<NMLISTVIEW&>(header).iItem;
        for (int column = 0; column < GetColumnCount(); ++column) FitColumn(column, row);
        result = 0;
        return true;
    }
    case LVN_DELETEALLITEMS:
        for (int column = 0; column < GetColumnCount(); ++column) FitColumnToHeader(column);
        result = TRUE;  // no LVN_DELETEITEM for each row
        return true;
    case LVN_INSERTITEM: {
        const int row = reinterpret_cast<NMLISTVIEW&>(header).iItem;
        const int width = GetStringWidth(GetItemText(row, 0));
        if (GetColumnWidth(0) < width) SetColumnWidth(0, width + kColumnMargin);
        return false;
    }
    default:
        return false;
    }
}

}  // namespace shredder
