#include "privacy/app/page_helpers.h"

#include <commctrl.h>

#include "privacy/look/language_texts.h"

namespace privacy {

void ApplyItemTexts(HWND dialog, std::initializer_list<ItemText> texts) {
    for (const ItemText& text : texts) SetDlgItemTextA(dialog, text.id, Text(text.key).c_str());
}

void PrepareReportList(CStripedListCtrl& list, int id, HWND page, int menu, int openCommand,
                       int deleteCommand, std::initializer_list<ListColumn> columns) {
    list.SubclassDlgItem(id, page);
    const LONG_PTR style = GetWindowLongPtrA(list.Handle(), GWL_STYLE);
    SetWindowLongPtrA(list.Handle(), GWL_STYLE,
                      (style & ~LVS_TYPEMASK) | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS);
    list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_HEADERDRAGDROP |
                          LVS_EX_FULLROWSELECT);
    list.SetCommands(menu, openCommand, deleteCommand);
    int column = 0;
    for (const ListColumn& each : columns) list.InsertColumn(column++, "", each.width);
}

void ApplyColumnTitles(CStripedListCtrl& list, std::initializer_list<ListColumn> columns) {
    int column = 0;
    for (const ListColumn& each : columns) {
        const std::string& title = Text(each.key);
        LVCOLUMNA item = {};
        item.mask = LVCF_TEXT;
        item.pszText = const_cast<char*>(title.c_str());
        list.Send(LVM_SETCOLUMNA, column++, reinterpret_cast<LPARAM>(&item));
    }
}

int SelectedData(const CStripedListCtrl& list) {
    const int row = list.GetNextItem(-1, LVNI_SELECTED);
    return row < 0 ? -1 : static_cast<int>(list.GetItemData(row));
}

bool AnswerSeeThrough(UINT msg, WPARAM wp, LRESULT& result) {
    switch (msg) {
    case WM_ERASEBKGND:
        result = 0;
        return true;
    case WM_CTLCOLORSTATIC:
        SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT);
        result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        return true;
    }
    return false;
}

}  // namespace privacy
