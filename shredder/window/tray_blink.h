#pragma once
// The sheet's notification-area icon (id 1): added when the shell's
// taskbar appears, blinked while the engine works (the tick alternately
// empties and refills the place), removed when the sheet closes. Once
// removed it stays removed: a later "TaskbarCreated" does not bring it
// back. The shell is reached through NotifyIconApi so tests can record it.
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace shredder {

class NotifyIconApi {
public:
    virtual ~NotifyIconApi() = default;
    // Shell_NotifyIcon: NIM_ADD, NIM_MODIFY or NIM_DELETE.
    virtual bool Notify(DWORD message, NOTIFYICONDATAA& record) = 0;
};

class ShellNotifyIcon : public NotifyIconApi {
public:
    bool Notify(DWORD message, NOTIFYICONDATAA& record) override;
};

// The record's size on every system this program runs on: the layout
// whose tip holds 128 characters.
constexpr DWORD kTrayRecordSize = 488;
constexpr UINT kTrayIconId = 1;

class SheetTrayIcon {
public:
    SheetTrayIcon(NotifyIconApi& shell, UINT callbackMessage)
        : shell_(shell), callback_(callbackMessage) {}

    // The window and the icon; the icon is wanted from now on.
    void Attach(HWND owner, HICON icon);
    void SetTip(const std::string& tip) { tip_ = tip; }

    // "TaskbarCreated": the shell has (again) no icon of ours; adds it
    // unless it was removed for good.
    void OnTaskbarCreated();
    // Adds it when not added yet; a failed add is tried again at the next
    // "TaskbarCreated".
    void Add();
    // Shows the icon or an empty place, by the blink state.
    void Update();
    // Removes it for good.
    void Delete();

    void StartBlink() { shown_ = false; }
    // The icon is shown again.
    void StopBlink();
    void Tick();

    bool IsAdded() const { return added_; }
    bool IsShown() const { return shown_; }

private:
    NOTIFYICONDATAA Record(UINT flags) const;

    NotifyIconApi& shell_;
    UINT callback_;
    HWND owner_ = nullptr;
    HICON icon_ = nullptr;
    std::string tip_;
    bool wanted_ = false;
    bool added_ = false;
    bool shown_ = true;
};

}  // namespace shredder
