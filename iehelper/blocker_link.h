#pragma once
// The popup blocker on this machine: its window, found by the title its
// language file gives, and its program and engine settings in the helper's
// own folder (the product folder).
#include <windows.h>

#include <string>

#include "iehelper/helper_load.h"

namespace iehelper {

// The blocker's hidden window: HKCU "Software\Velmora Blinkward" `Path` and
// `Language` name its language file, whose key 9999 is the title; null when
// no top-level window has exactly that title.
HWND FindMainWindow();

class SystemBlockerLink : public BlockerLink {
public:
    // `folder`: the helper's folder, without a final backslash.
    explicit SystemBlockerLink(const std::string& folder) : folder_(folder) {}

    bool BlockerRunning() override;
    int StartupMode() override;
    // CreateProcess, never the shell: this runs under the loader lock.
    void StartBlocker() override;
    void NotifyLastBrowserClosed() override;

private:
    std::string folder_;
};

}  // namespace iehelper
