#include "shredder/window/tray_blink.h"

namespace shredder {

bool ShellNotifyIcon::Notify(DWORD message, NOTIFYICONDATAA& record) {
    return Shell_NotifyIconA(message, &record) != FALSE;
}

void SheetTrayIcon::Attach(HWND owner, HICON icon) {
    owner_ = owner;
    icon_ = icon;
    wanted_ = true;
}

NOTIFYICONDATAA SheetTrayIcon::Record(UINT flags) const {
    NOTIFYICONDATAA record = {};
    record.cbSize = kTrayRecordSize;
    record.hWnd = owner_;
    record.uID = kTrayIconId;
    record.uFlags = flags;
    return record;
}

void SheetTrayIcon::OnTaskbarCreated() {
    if (!wanted_) return;
    added_ = false;
    Add();
}

void SheetTrayIcon::Add() {
    if (added_ || !wanted_) return;
    NOTIFYICONDATAA record = Record(NIF_MESSAGE | NIF_ICON | NIF_TIP);
    record.hIcon = icon_;
    record.uCallbackMessage = callback_;
    lstrcpynA(record.szTip, tip_.c_str(), sizeof record.szTip);
    added_ = shell_.Notify(NIM_ADD, record);
}

void SheetTrayIcon::Update() {
    if (!added_) return;
    NOTIFYICONDATAA record = Record(NIF_ICON);
    record.hIcon = shown_ ? icon_ : nullptr;
    shell_.Notify(NIM_MODIFY, record);
}

void SheetTrayIcon::Delete() {
    wanted_ = false;
    added_ = false;
    NOTIFYICONDATAA record = Record(0);
    shell_.Notify(NIM_DELETE, record);
}

void SheetTrayIcon::StopBlink() {
    shown_ = true;
    Update();
}

void SheetTrayIcon::Tick() {
    Update();
    shown_ = !shown_;
}

}  // namespace shredder
