#include "platform/ui/tray_icon.h"

#include <shlwapi.h>

#include "platform/ui/window.h"

namespace ui {

DWORD TrayRecordSize() {
    static const DWORD size = [] {
        HMODULE shell = GetModuleHandleA("shell32.dll");
        auto getVersion = shell ? reinterpret_cast<DLLGETVERSIONPROC>(
                                      reinterpret_cast<void*>(GetProcAddress(shell, "DllGetVersion")))
                                : nullptr;
        DLLVERSIONINFO info = {};
        info.cbSize = sizeof(info);
        const bool later = getVersion && SUCCEEDED(getVersion(&info)) && info.dwMajorVersion >= 5;
        return later ? NOTIFYICONDATAA_V2_SIZE : NOTIFYICONDATAA_V1_SIZE;
    }();
    return size;
}

TrayIcon::TrayIcon(HWND owner, UINT id, UINT callbackMessage)
    : owner_(owner), id_(id), callback_(callbackMessage),
      taskbarCreated_(RegisterMessage("TaskbarCreated")) {}

NOTIFYICONDATAA TrayIcon::Record(UINT flags) const {
    NOTIFYICONDATAA record = {};
    record.cbSize = TrayRecordSize();
    record.hWnd = owner_;
    record.uID = id_;
    record.uFlags = flags;
    record.uCallbackMessage = callback_;
    record.hIcon = icon_;
    // The first layout holds a tip of 63 characters.
    const int tipSize = record.cbSize == NOTIFYICONDATAA_V1_SIZE ? 64 : sizeof(record.szTip);
    lstrcpynA(record.szTip, tip_.c_str(), tipSize);
    return record;
}

bool TrayIcon::Add(HICON icon, const std::string& tip) {
    icon_ = icon;
    tip_ = tip;
    if (added_) return true;
    NOTIFYICONDATAA record = Record(NIF_MESSAGE | NIF_ICON | NIF_TIP);
    added_ = Shell_NotifyIconA(NIM_ADD, &record) != FALSE;
    return added_;
}

bool TrayIcon::SetIcon(HICON icon) {
    icon_ = icon;
    NOTIFYICONDATAA record = Record(NIF_ICON);
    return added_ && Shell_NotifyIconA(NIM_MODIFY, &record);
}

bool TrayIcon::SetTip(const std::string& tip) {
    tip_ = tip;
    NOTIFYICONDATAA record = Record(NIF_TIP);
    return added_ && Shell_NotifyIconA(NIM_MODIFY, &record);
}

bool TrayIcon::Delete() {
    if (!added_) return false;
    added_ = false;
    NOTIFYICONDATAA record = Record(0);
    return Shell_NotifyIconA(NIM_DELETE, &record) != FALSE;
}

bool TrayIcon::OnMessage(UINT msg) {
    if (msg != taskbarCreated_) return false;
    // A new shell has none of our icons; an old one that still shows it
    // would refuse to add the same id again.
    NOTIFYICONDATAA record = Record(0);
    Shell_NotifyIconA(NIM_DELETE, &record);
    added_ = false;
    Add(icon_, tip_);
    return true;
}

}  // namespace ui
