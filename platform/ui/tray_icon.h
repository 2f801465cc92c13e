#pragma once
// One notification-area icon of a window: added, changed and removed with
// its callback message, icon and tip. The owner passes its messages to
// OnMessage so the icon comes back when the shell re-creates the taskbar
// ("TaskbarCreated").
#include <windows.h>
#include <shellapi.h>
#include <string>

namespace ui {

// The size of the icon record this system's shell takes: the later layout
// (tips of 127 characters) from shell version 5 on, the first one (63)
// before, as on 95, 98 and NT 4.
DWORD TrayRecordSize();

class TrayIcon {
public:
    TrayIcon(HWND owner, UINT id, UINT callbackMessage);
    ~TrayIcon() { Delete(); }
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    bool Add(HICON icon, const std::string& tip);
    // A null icon leaves the place empty (blinking).
    bool SetIcon(HICON icon);
    bool SetTip(const std::string& tip);
    bool Delete();
    bool IsAdded() const { return added_; }

    // True for the shell's "TaskbarCreated": the icon has been added again.
    bool OnMessage(UINT msg);

private:
    NOTIFYICONDATAA Record(UINT flags) const;

    HWND owner_;
    UINT id_;
    UINT callback_;
    UINT taskbarCreated_;
    HICON icon_ = nullptr;
    std::string tip_;
    bool added_ = false;
};

}  // namespace ui
