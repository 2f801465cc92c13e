#include "privacy/look/striped_list.h"

#include "platform/ui/module.h"
#include "privacy/look/look_messages.h"
#include "privacy/look/skin_rules.h"

namespace privacy {
namespace {

class MenuResource {
public:
    explicit MenuResource(int id) : menu_(LoadMenuA(ui::ResourceModule(), MAKEINTRESOURCEA(id))) {}
    ~MenuResource() { if (menu_) DestroyMenu(menu_); }
    MenuResource(const MenuResource&) = delete;
    MenuResource& operator=(const MenuResource&) = delete;
    HMENU Popup() const { return menu_ ? GetSubMenu(menu_, 0) : nullptr; }

private:
    HMENU menu_;
};

}  // namespace

void CStripedListCtrl::SetCommands(int menuId, int doubleClickCommand, int deleteCommand) {
    menuId_ = menuId;
    doubleClickCommand_ = doubleClickCommand;
    deleteCommand_ = deleteCommand;
}

void CStripedListCtrl::SendCommand(int command) const {
    SendMessageA(GetParent(Handle()), WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

bool CStripedListCtrl::OnContextMenu(LPARAM lp) {
    const int selected = GetNextItem(-1, LVNI_SELECTED);
    if (selected < 0 || !menuId_) return false;
    MenuResource menu(menuId_);
    if (!menu.Popup()) return false;
    POINT at = {static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
    if (lp == -1) {  // from the keyboard: under the selected row
        RECT row = {LVIR_BOUNDS, 0, 0, 0};
        Send(LVM_GETITEMRECT, selected, reinterpret_cast<LPARAM>(&row));
        at = {row.left, row.bottom};
        ClientToScreen(Handle(), &at);
    }
    TrackPopupMenu(menu.Popup(), TPM_RIGHTBUTTON, at.x, at.y, 0, GetParent(Handle()), nullptr);
    return true;
}

LRESULT CStripedListCtrl::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CONTEXTMENU:
        if (OnContextMenu(lp)) return 0;
        break;
    case WM_KEYDOWN:
        if (wp == VK_DELETE && deleteCommand_) SendCommand(deleteCommand_);
        break;
    }
    return ListView::WindowProc(msg, wp, lp);
}

bool CStripedListCtrl::OnReflectedNotify(NMHDR& header, LRESULT& result) {
    switch (header.code) {
    case NM_DBLCLK:
        if (!doubleClickCommand_) return false;
        SendCommand(doubleClickCommand_);
        result = 0;
        return true;
    case LVN_COLUMNCLICK:
        SendMessageA(GetParent(Handle()), WM_LIST_COLUMN_CLICKED,
                     reinterpret_cast<NMLISTVIEW&>(header).iSubItem, 0);
        result = 0;
        return true;
    case NM_CUSTOMDRAW: {
        auto& draw = reinterpret_cast<NMLVCUSTOMDRAW&>(header);
        if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) {
            result = CDRF_NOTIFYITEMDRAW;
        } else if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
            draw.clrTextBk = static_cast<COLORREF>(StripeColor(static_cast<int>(draw.nmcd.dwItemSpec)));
            result = CDRF_DODEFAULT;
        } else {
            result = CDRF_DODEFAULT;
        }
        return true;
    }
    }
    return false;
}

}  // namespace privacy
