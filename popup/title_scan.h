#pragma once
// Popup counting by window title: the blocking script writes a marker into
// the title of every popup it stops; each tick of the main window's timer
// looks for the first top-level window whose title holds it.
#include <windows.h>

#include <string>

namespace popup {

// The text the blocking script puts into a blocked popup's title.
extern const char kPopupMarker[];

// Cuts the first marker out of `title`; false when it holds none.
bool CutPopupMarker(std::string& title);

// The decimal count after `count`; text that is no number counts from 0.
std::string NextCount(const std::string& count);

class CTitleScan {
public:
    // Walks the windows to look at, in the shape of EnumWindows.
    using Enumerator = BOOL(WINAPI*)(WNDENUMPROC, LPARAM);

    explicit CTitleScan(Enumerator enumerate = EnumWindows) : enumerate_(enumerate) {}

    // One tick: the first window whose title (up to 259 characters) holds
    // the marker loses that one marker. Answers the window, or nullptr.
    HWND Tick() const;

private:
    Enumerator enumerate_;
};

}  // namespace popup
