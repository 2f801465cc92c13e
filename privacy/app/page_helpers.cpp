#include "privacy/app/page_helpers.h"

#include <commctrl.h>

#include "privacy/look/language_texts.h"

namespace privacy {

void ApplyItemTexts(HWND dialog, std::initializer_list<ItemText> texts) {
    for (const ItemText& text : texts) SetDlgItemTextA(dialog, text.id, Text(text.key).c_str());
}

void PrepareReportList(CStripedListCtrl& list, int id, HWND page, int menu, int openCommand,
                       int deleteCommand, std::initializer_list<ListColumn> columns) {
    // The template makes it a report view with single selection that keeps
    // the selection visible.
    list.SubclassDlgItem(id, page);
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

bool AnswerSeeThrough(HWND page, UINT msg, WPARAM wp, LRESULT& result) {
    const HDC dc = reinterpret_cast<HDC>(wp);
    switch (msg) {
    case WM_ERASEBKGND: {
        const HWND parent = GetParent(page);
        POINT origin = {0, 0};
        MapWindowPoints(page, parent, &origin, 1);
        POINT old;
        OffsetViewportOrgEx(dc, -origin.x, -origin.y, &old);
        SendMessageA(parent, WM_PRINTCLIENT, wp, PRF_CLIENT);
        SetViewportOrgEx(dc, old.x, old.y, nullptr);
        result = 1;
        return true;
    }
    case WM_CTLCOLORSTATIC:
        SetBkMode(dc, TRANSPARENT);
        result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        return true;
    }
    return false;
}

}  // namespace privacy
