#pragma once
// The tray icon's menu: the first submenu of menu resource 130, its texts
// in the user's language and the states of its items.
#include <windows.h>

namespace lang {
class TextSource;
}

namespace popup {

class CTrayMenu {
public:
    CTrayMenu();
    ~CTrayMenu();
    CTrayMenu(const CTrayMenu&) = delete;
    CTrayMenu& operator=(const CTrayMenu&) = delete;

    // The texts for a window shown or hidden and catching on or off, and
    // the Block Ads check mark.
    void Update(const lang::TextSource& texts, bool windowVisible, bool catching, bool blockAds);
    // Opens the menu at the cursor for `owner`; the command arrives as WM_COMMAND.
    void Track(HWND owner) const;

private:
    HMENU menu_;
    HMENU popup_;
};

}  // namespace popup
