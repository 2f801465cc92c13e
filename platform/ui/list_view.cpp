#include "platform/ui/list_view.h"

namespace ui {

DWORD ListView::SetExtendedStyle(DWORD style) {
    return static_cast<DWORD>(Send(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style));
}

DWORD ListView::GetExtendedStyle() const {
    return static_cast<DWORD>(Send(LVM_GETEXTENDEDLISTVIEWSTYLE));
}

int ListView::InsertColumn(int column, const std::string& heading, int width, int format) {
    LVCOLUMNA info = {};
    info.mask = LVCF_TEXT | LVCF_FMT;
    info.fmt = format;
    info.pszText = const_cast<char*>(heading.c_str());
    if (width >= 0) {
        info.mask |= LVCF_WIDTH;
        info.cx = width;
    }
    return static_cast<int>(Send(LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&info)));
}

bool ListView::SetColumnWidth(int column, int width) {
    return Send(LVM_SETCOLUMNWIDTH, column, MAKELPARAM(width, 0)) != 0;
}

int ListView::GetColumnWidth(int column) const {
    return static_cast<int>(Send(LVM_GETCOLUMNWIDTH, column));
}

std::string ListView::GetColumnText(int column) const {
    char text[260] = {};
    LVCOLUMNA info = {};
    info.mask = LVCF_TEXT;
    info.pszText = text;
    info.cchTextMax = sizeof(text);
    if (!Send(LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&info))) return std::string();
    return text;
}

int ListView::GetColumnCount() const {
    HWND header = reinterpret_cast<HWND>(Send(LVM_GETHEADER));
    return header ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

int ListView::GetItemCount() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }

int ListView::InsertItem(int index, const std::string& text, LPARAM data) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = index;
    item.pszText = const_cast<char*>(text.c_str());
    item.lParam = data;
    return static_cast<int>(Send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

bool ListView::SetItemText(int row, int column, const std::string& text) {
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text.c_str());
    return Send(LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item)) != 0;
}

std::string ListView::GetItemText(int row, int column) const {
    // The control answers with the length copied; grow until it fits.
    std::string text(256, '\0');
    for (;;) {
        LVITEMA item = {};
        item.iSubItem = column;
        item.pszText = &text[0];
        item.cchTextMax = static_cast<int>(text.size());
        int length = static_cast<int>(Send(LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item)));
        if (length < static_cast<int>(text.size()) - 1) {
            text.resize(length);
            return text;
        }
        text.resize(text.size() * 2);
    }
}

bool ListView::SetItemData(int row, LPARAM data) {
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    item.lParam = data;
    return Send(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item)) != 0;
}

LPARAM ListView::GetItemData(int row) const {
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    return Send(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) ? item.lParam : 0;
}

bool ListView::DeleteItem(int row) { return Send(LVM_DELETEITEM, row) != 0; }
bool ListView::DeleteAllItems() { return Send(LVM_DELETEALLITEMS) != 0; }

bool ListView::GetCheck(int row) const {
    UINT state = static_cast<UINT>(Send(LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK));
    return ((state & LVIS_STATEIMAGEMASK) >> 12) == 2;
}

void ListView::SetCheck(int row, bool checked) {
    SetItemState(row, INDEXTOSTATEIMAGEMASK(checked ? 2 : 1), LVIS_STATEIMAGEMASK);
}

int ListView::GetNextItem(int start, int flags) const {
    return static_cast<int>(Send(LVM_GETNEXTITEM, start, MAKELPARAM(flags, 0)));
}

int ListView::GetSelectedCount() const { return static_cast<int>(Send(LVM_GETSELECTEDCOUNT)); }

void ListView::SetItemState(int row, UINT state, UINT mask) {
    LVITEMA item = {};
    item.state = state;
    item.stateMask = mask;
    Send(LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

int ListView::HitTest(POINT point, UINT* flags) const {
    LVHITTESTINFO info = {};
    info.pt = point;
    int row = static_cast<int>(Send(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
    if (flags) *flags = info.flags;
    return row;
}

int ListView::FindItem(const std::string& text) const {
    LVFINDINFOA find = {};
    find.flags = LVFI_STRING;
    find.psz = text.c_str();
    return static_cast<int>(Send(LVM_FINDITEMA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
}

int ListView::GetStringWidth(const std::string& text) const {
    return static_cast<int>(Send(LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

bool ListView::SortItems(PFNLVCOMPARE compare, LPARAM context) {
    return Send(LVM_SORTITEMS, context, reinterpret_cast<LPARAM>(compare)) != 0;
}

}  // namespace ui
