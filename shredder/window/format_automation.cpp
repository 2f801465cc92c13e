#include "shredder/window/format_automation.h"

#include "common/os/os_version.h"

namespace shredder {

std::string FormatDialogTitle(FormatWindows windows, const std::string& displayName) {
    switch (windows) {
    case FormatWindows::Xp: return "Format " + displayName;
    case FormatWindows::Win2000OrNt4: {
        // The drive's own parentheses are the last: a label may hold some.
        const size_t open = displayName.rfind('(');
        std::string drive = open == std::string::npos ? displayName : displayName.substr(open + 1);
        std::string bare;
        for (char c : drive) {
            if (c != ')') bare += c;
        }
        return "Format " + bare + "\\";
    }
    case FormatWindows::Other: break;
    }
    return std::string();
}

FormatWindows CurrentFormatWindows() {
    COsVersion os;
    if (os.IsWinXP()) return FormatWindows::Xp;
    if (os.IsWin2000() || os.IsWinNT4()) return FormatWindows::Win2000OrNt4;
    return FormatWindows::Other;
}

HWND TopLevelWindowFinder::FindTopLevel(const std::string& title) {
    return FindWindowA(nullptr, title.c_str());
}

void FormatAutomation::Start(HWND owner, const std::string& title) {
    Stop();
    if (!owner || title.empty()) return;
    owner_ = owner;
    title_ = title;
    SetTimer(owner_, kFormatStartTimerId, kFormatTickMs, nullptr);
}

void FormatAutomation::Stop() {
    if (!owner_) return;
    KillTimer(owner_, kFormatStartTimerId);
    KillTimer(owner_, kFormatOkTimerId);
    owner_ = nullptr;
}

bool FormatAutomation::OnTimer(UINT_PTR id) {
    if (id != kFormatStartTimerId && id != kFormatOkTimerId) return false;
    if (!owner_) return true;
    HWND dialog = finder_.FindTopLevel(title_);
    if (!dialog) return true;
    char text[261] = {};
    GetDlgItemTextA(dialog, IDOK, text, sizeof text);
    if (std::string(text) != (id == kFormatStartTimerId ? "&Start" : "OK")) return true;
    SetForegroundWindow(dialog);
    HWND button = GetDlgItem(dialog, IDOK);
    PostMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 0));
    PostMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(1, 0));
    KillTimer(owner_, id);
    if (id == kFormatStartTimerId) {
        CheckDlgButton(dialog, kFormatQuickBox, BST_CHECKED);
        SetTimer(owner_, kFormatOkTimerId, kFormatTickMs, nullptr);
    }
    return true;
}

}  // namespace shredder
