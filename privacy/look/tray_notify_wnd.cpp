#include "privacy/look/tray_notify_wnd.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/guard/guard.h"
#include "privacy/look/look_messages.h"
#include "privacy/look/tray_icon.h"

namespace privacy {
namespace {

constexpr char kNotifyClass[] = "SS_Wnd";

// Live notification windows of the process, by handle.
std::vector<std::pair<HWND, CTrayNotifyWnd*>>& Windows() {
    static std::vector<std::pair<HWND, CTrayNotifyWnd*>> windows;
    return windows;
}

CTrayNotifyWnd* Find(HWND hwnd) {
    for (const auto& entry : Windows()) {
        if (entry.first == hwnd) return entry.second;
    }
    return nullptr;
}

LRESULT CALLBACK NotifyProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return guard::Call("tray notification window", LRESULT(0), [&] {
        if (CTrayNotifyWnd* wnd = Find(hwnd)) return wnd->OnMessage(msg, wp, lp);
        return DefWindowProcA(hwnd, msg, wp, lp);
    });
}

void RegisterNotifyClass(HINSTANCE instance) {
    WNDCLASSA wc = {};
    if (GetClassInfoA(instance, kNotifyClass, &wc)) return;
    wc.lpfnWndProc = NotifyProc;
    wc.hInstance = instance;
    wc.lpszClassName = kNotifyClass;
    RegisterClassA(&wc);
}

}  // namespace

CTrayNotifyWnd::CTrayNotifyWnd(HINSTANCE instance, CTrayIcon* owner)
    : instance_(instance), owner_(owner), taskbarCreated_(RegisterWindowMessageA("TaskbarCreated")) {
    RegisterNotifyClass(instance);
    hwnd_ = CreateWindowExA(0, kNotifyClass, "", 0, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    if (hwnd_) Windows().emplace_back(hwnd_, this);
}

CTrayNotifyWnd::~CTrayNotifyWnd() {
    auto& windows = Windows();
    windows.erase(std::remove_if(windows.begin(), windows.end(),
                                 [this](const std::pair<HWND, CTrayNotifyWnd*>& e) { return e.second == this; }),
                  windows.end());
    if (hwnd_) DestroyWindow(hwnd_);
}

void CTrayNotifyWnd::OnIconMessage(WPARAM wp, LPARAM lp) {
    const UINT mouse = static_cast<UINT>(lp);
    if (mouse == WM_LBUTTONDOWN) {
        clickPending_ = true;
        clickIcon_ = wp;
        SetTimer(hwnd_, kTrayClickTimer, GetDoubleClickTime() + 25, nullptr);
        return;
    }
    if (mouse == WM_LBUTTONDBLCLK) {
        KillTimer(hwnd_, kTrayClickTimer);
        clickPending_ = false;
    }
    CTrayIcon::RunCallback(static_cast<UINT>(wp), mouse);
}

void CTrayNotifyWnd::OnTimer(UINT_PTR id) {
    if (id != kTrayClickTimer) {
        if (owner_) owner_->OnAnimationTimer(id);
        return;
    }
    KillTimer(hwnd_, kTrayClickTimer);
    if (!clickPending_) return;
    clickPending_ = false;
    CTrayIcon::RunCallback(static_cast<UINT>(clickIcon_), WM_LBUTTONDOWN);
}

LRESULT CTrayNotifyWnd::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_TRAY_NOTIFY) {
        OnIconMessage(wp, lp);
        return static_cast<UINT>(lp) == WM_LBUTTONDOWN ? 0 : 1;
    }
    if (msg == WM_TIMER) {
        OnTimer(wp);
        return 0;
    }
    if (msg == taskbarCreated_ && taskbarCreated_ != 0) {
        if (owner_) owner_->OnTaskbarCreated();
        return 0;
    }
    return DefWindowProcA(hwnd_, msg, wp, lp);
}

}  // namespace privacy
