// Private window messages, timers and the window tag shared by Corbelt's
// skinned controls, its tray icon and its language support.
#pragma once
#include <windows.h>

namespace privacy {

// CGoldButton -> parent: wParam = the button's control id, lParam = its new pressed state.
constexpr UINT WM_GOLD_BUTTON_TOGGLED = 0x500;
// CButtonAnimate -> parent: wParam = the bar's control id, lParam = the selected tab.
constexpr UINT WM_TAB_SELECTED = 0x502;
// To every window tagged kLanguageTag: re-apply your texts from the active table.
constexpr UINT WM_LANGUAGE_CHANGED = 0x505;
// CStripedListCtrl -> parent: wParam = the clicked column, lParam 0.
constexpr UINT WM_LIST_COLUMN_CLICKED = 0x50A;

// The tray icon's callback message and icon id.
constexpr UINT WM_TRAY_NOTIFY = 4702;
constexpr UINT kTrayIconId = 1;
// Timers of the tray's notification window.
constexpr UINT_PTR kTrayClickTimer = 0;
constexpr UINT_PTR kTrayAnimationTimer = 1;

// The user-data word of a window that follows language changes.
constexpr LONG_PTR kLanguageTag = 801;

}  // namespace privacy
