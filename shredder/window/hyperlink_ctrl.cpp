#include "shredder/window/hyperlink_ctrl.h"

#include <commctrl.h>

namespace shredder {

CHyperLinkCtrl::CHyperLinkCtrl() : HyperLink(kUnderline | kNoActiveColor) {
    SetColors(LinkColors(RGB(5, 34, 143)));
    SetShowCommand(SW_SHOWMINIMIZED);
}

ui::HyperLink::Colors CHyperLinkCtrl::LinkColors(COLORREF visited) const {
    Colors colors;
    colors.link = RGB(255, 0, 0);
    colors.hover = RGB(255, 0, 0);
    colors.visited = visited;
    return colors;
}

bool CHyperLinkCtrl::Attach(HWND dialog, int id) {
    if (!HyperLink::Attach(dialog, id)) return false;
    const HWND tip = ToolTip();
    if (!tip) return true;
    // One tool, id 1001, over the control, with a text of its own.
    TOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.hwnd = dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(Handle());
    SendMessageA(tip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = Handle();
    tool.uId = kLinkToolId;
    tool.lpszText = const_cast<char*>("");
    GetClientRect(Handle(), &tool.rect);
    SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(tip, TTM_ACTIVATE, FALSE, 0);
    return true;
}

void CHyperLinkCtrl::SetVisitedColour(COLORREF colour) { SetColors(LinkColors(colour)); }

void CHyperLinkCtrl::EnableToolTip(bool enable) {
    tipEnabled_ = enable;
    if (ToolTip()) SendMessageA(ToolTip(), TTM_ACTIVATE, enable, 0);
}

void CHyperLinkCtrl::SetToolTipText(const std::string& text) {
    if (!tipEnabled_ || !ToolTip()) return;
    tipText_ = text;
    TOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.hwnd = Handle();
    tool.uId = kLinkToolId;
    tool.lpszText = const_cast<char*>(tipText_.c_str());
    SendMessageA(ToolTip(), TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

void CHyperLinkCtrl::SetToolTipBkColour(COLORREF colour) {
    if (ToolTip()) SendMessageA(ToolTip(), TTM_SETTIPBKCOLOR, colour, 0);
}

void CHyperLinkCtrl::SetToolTipTextColour(COLORREF colour) {
    if (ToolTip()) SendMessageA(ToolTip(), TTM_SETTIPTEXTCOLOR, colour, 0);
}

}  // namespace shredder
