#include "startup/app/rtl_layout.h"

namespace startup {
namespace {

BOOL CALLBACK MirrorChild(HWND child, LPARAM lp) {
    HWND dialog = reinterpret_cast<HWND>(lp);
    if (GetParent(child) != dialog) return TRUE;
    RECT client;
    GetClientRect(dialog, &client);
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    SetWindowPos(child, nullptr, client.right - rect.right, rect.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    char name[16] = {};
    GetClassNameA(child, name, sizeof(name));
    // Buttons keep their captions centred; the rest aligns to the right.
    const LONG align = lstrcmpiA(name, "Button") == 0 ? 0 : WS_EX_RIGHT | WS_EX_LEFTSCROLLBAR;
    SetWindowLongA(child, GWL_EXSTYLE, GetWindowLongA(child, GWL_EXSTYLE) | WS_EX_RTLREADING | align);
    if (lstrcmpiA(name, "Static") == 0) {
        LONG style = GetWindowLongA(child, GWL_STYLE);
        if ((style & SS_TYPEMASK) == SS_LEFT) SetWindowLongA(child, GWL_STYLE, style | SS_RIGHT);
    }
    InvalidateRect(child, nullptr, TRUE);
    return TRUE;
}

}  // namespace

void MirrorLayout(HWND dialog) {
    SetWindowLongA(dialog, GWL_EXSTYLE,
                   GetWindowLongA(dialog, GWL_EXSTYLE) | WS_EX_RTLREADING | WS_EX_RIGHT);
    EnumChildWindows(dialog, MirrorChild, reinterpret_cast<LPARAM>(dialog));
}

}  // namespace startup
