#include "shredder/window/hyperlink_ctrl.h"

#include <commctrl.h>

namespace shredder {

namespace {

struct TipSearch {
    HWND dialog;
    HWND control;
    HWND found;
};

// The tip window the UI layer made for the link: owned by the dialog,
// with the control as its tool.
BOOL CALLBACK FindLinkTip(HWND window, LPARAM param) {
    TipSearch* search = reinterpret_cast<TipSearch*>(param);
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpiA(name, TOOLTIPS_CLASSA) != 0 || GetWindow(window, GW_OWNER) != search->dialog)
        return TRUE;
    TOOLINFOA tool = {};
    tool.cbSize = sizeof tool;
    tool.hwnd = search->dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(search->control);
    if (!SendMessageA(window, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&tool))) return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

CHyperLinkCtrl::CHyperLinkCtrl() : HyperLink(kUnderline | kNoActiveColor) {
    SetColors(LinkColors(RGB(5, 34, 143)));
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
    TipSearch search = {dialog, Handle(), nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindLinkTip, reinterpret_cast<LPARAM>(&search));
    toolTip_ = search.found;
    if (!toolTip_) return true;
    // One tool, id 1001, over the control, with a text of its own.
    TOOLINFOA tool = {};
    tool.cbSize = sizeof tool;
    tool.hwnd = dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(Handle());
    SendMessageA(toolTip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = Handle();
    tool.uId = kLinkToolId;
    tool.lpszText = const_cast<char*>("");
    GetClientRect(Handle(), &tool.rect);
    SendMessageA(toolTip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(toolTip_, TTM_ACTIVATE, FALSE, 0);
    return true;
}

void CHyperLinkCtrl::SetVisitedColour(COLORREF colour) { SetColors(LinkColors(colour)); }

void CHyperLinkCtrl::EnableToolTip(bool enable) {
    tipEnabled_ = enable;
    if (toolTip_) SendMessageA(toolTip_, TTM_ACTIVATE, enable, 0);
}

void CHyperLinkCtrl::SetToolTipText(const std::string& text) {
    if (!tipEnabled_ || !toolTip_) return;
    tipText_ = text;
    TOOLINFOA tool = {};
    tool.cbSize = sizeof tool;
    tool.hwnd = Handle();
    tool.uId = kLinkToolId;
    tool.lpszText = const_cast<char*>(tipText_.c_str());
    SendMessageA(toolTip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

void CHyperLinkCtrl::SetToolTipBkColour(COLORREF colour) {
    if (toolTip_) SendMessageA(toolTip_, TTM_SETTIPBKCOLOR, colour, 0);
}

void CHyperLinkCtrl::SetToolTipTextColour(COLORREF colour) {
    if (toolTip_) SendMessageA(toolTip_, TTM_SETTIPTEXTCOLOR, colour, 0);
}

}  // namespace shredder
