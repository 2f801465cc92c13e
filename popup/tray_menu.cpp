#include "popup/tray_menu.h"

#include <string>

#include "common/lang/text_source.h"
#include "platform/ui/module.h"
#include "popup/res/resource_ids.h"

namespace popup {

CTrayMenu::CTrayMenu()
    : menu_(LoadMenuA(ui::ResourceModule(), MAKEINTRESOURCEA(IDR_TRAY_MENU))),
      popup_(menu_ ? GetSubMenu(menu_, 0) : nullptr) {
    if (popup_) SetMenuDefaultItem(popup_, 0, TRUE);
}

CTrayMenu::~CTrayMenu() {
    if (menu_) DestroyMenu(menu_);
}

namespace {

void SetItemText(HMENU menu, UINT id, const std::string& text) {
    ModifyMenuA(menu, id, MF_BYCOMMAND | MF_STRING, id, text.c_str());
}

}  // namespace

void CTrayMenu::Update(const lang::TextSource& texts, bool windowVisible, bool catching,
                       bool blockAds) {
    if (!popup_) return;
    SetItemText(popup_, ID_TRAY_SHOW,
                windowVisible ? texts.Text("7002", "Hide Velmora Blinkward")
                              : texts.Text("7001", "Show Velmora Blinkward"));
    SetItemText(popup_, ID_TRAY_ENABLE,
                catching ? texts.Text("7004", "Disable Velmora Blinkward")
                         : texts.Text("7003", "Enable Velmora Blinkward"));
    SetItemText(popup_, ID_TRAY_BLOCK_ADS, texts.Text("7010", "Block Ads"));
    SetItemText(popup_, ID_TRAY_SHOW_COUNTER, texts.Text("7007", "Show Popup Count Window"));
    SetItemText(popup_, ID_TRAY_CLEAR_COUNTER, texts.Text("7009", "Clear Popup Counter"));
    SetItemText(popup_, ID_TRAY_HELP, texts.Text("10004", "Help"));
    SetItemText(popup_, ID_TRAY_EXIT, texts.Text("7008", "Exit"));
    CheckMenuItem(popup_, ID_TRAY_BLOCK_ADS, MF_BYCOMMAND | (blockAds ? MF_CHECKED : MF_UNCHECKED));
    SetMenuDefaultItem(popup_, 0, TRUE);
}

void CTrayMenu::Track(HWND owner) const {
    if (!popup_) return;
    POINT cursor = {};
    GetCursorPos(&cursor);
    // The menu closes properly only when its owner is in the foreground
    // and a message follows the tracking.
    SetForegroundWindow(owner);
    TrackPopupMenu(popup_, TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, owner, nullptr);
    PostMessageA(owner, WM_NULL, 0, 0);
}

}  // namespace popup
