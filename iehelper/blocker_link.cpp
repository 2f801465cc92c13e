#include "iehelper/blocker_link.h"

#include "common/lang/lang_file.h"
#include "common/suite/blinkward.h"
#include "platform/registry/reg_key.h"

namespace iehelper {

namespace bw = suite::blinkward;

HWND FindMainWindow() {
    std::string path, language;
    CRegKey key;
    if (key.Open(HKEY_CURRENT_USER, bw::kProductKey, KEY_READ)) {
        key.ReadString("Path", path);
        key.ReadString("Language", language);
    }
    const std::string file = lang::LangFilePath(path, bw::kLanguageFolder, language);
    const std::string title = bw::WindowTitle(
        lang::ReadLangString(file, lang::kVintabar, bw::kTitleKey, bw::kTitleDefault));
    return FindWindowA(nullptr, title.c_str());
}

bool SystemBlockerLink::BlockerRunning() { return FindMainWindow() != nullptr; }

int SystemBlockerLink::StartupMode() {
    const std::string settings = folder_ + "\\" + bw::kEngineSettingsFile;
    return static_cast<int>(GetPrivateProfileIntA(bw::kSection, bw::kStartupKey,
                                                  bw::kStartByHand, settings.c_str()));
}

void SystemBlockerLink::StartBlocker() {
    std::string commandLine = "\"" + folder_ + "\\" + bw::kProgramFile + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder_.c_str(), &startup, &process))
        return;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

void SystemBlockerLink::NotifyLastBrowserClosed() {
    if (HWND window = FindMainWindow()) PostMessageA(window, bw::WM_LAST_BROWSER_CLOSED, 0, 0);
}

}  // namespace iehelper
