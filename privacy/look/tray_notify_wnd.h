// CTrayNotifyWnd: the hidden window (class "SS_Wnd") that receives the tray
// icon's mouse messages. It tells a single left click from a double click:
// a left press waits for the double-click time + 25 ms before it counts as
// a click, and a double click in that time drops it.
#pragma once
#include <windows.h>

namespace privacy {

class CTrayIcon;

class CTrayNotifyWnd {
public:
    CTrayNotifyWnd(HINSTANCE instance, CTrayIcon* owner);
    ~CTrayNotifyWnd();
    CTrayNotifyWnd(const CTrayNotifyWnd&) = delete;
    CTrayNotifyWnd& operator=(const CTrayNotifyWnd&) = delete;

    HWND Handle() const { return hwnd_; }
    // A single click waiting for its timer.
    bool ClickPending() const { return clickPending_; }

    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);

private:
    void OnIconMessage(WPARAM wp, LPARAM lp);
    void OnTimer(UINT_PTR id);

    HINSTANCE instance_;
    HWND hwnd_ = nullptr;
    CTrayIcon* owner_;
    UINT taskbarCreated_;
    bool clickPending_ = false;
    WPARAM clickIcon_ = 0;
};

}  // namespace privacy
