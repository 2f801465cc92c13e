#include "popup/core/halvane_settings.h"

#include <windows.h>

#include "common/lang/text_source.h"
#include "platform/ui/message_prompt.h"
#include "platform/registry/reg_key.h"

namespace popup {

const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

void CHalvaneSettings::ReadStartFlags() {
    CRegKey key;
    if (!key.Open(HKEY_CURRENT_USER, kProductKey, KEY_ALL_ACCESS)) return;
    DWORD value = 0;
    firstRun = key.ReadDword("FirstRun", value) && value != 0;
    key.WriteDword("FirstRun", 0);
    value = 0;
    showAtStart = key.ReadDword("ShowAtStart", value) && value != 0;
}

int CHalvaneSettings::LoadSettings(ui::MessagePrompt& prompt, const lang::TextSource& texts,
                                   const std::string& caption) {
    CRegKey key;
    bool complete = key.Open(HKEY_CURRENT_USER, kProductKey, KEY_ALL_ACCESS);
    if (complete && !key.ReadString("Wizard Message", wizardMessage)) wizardMessage = "A";
    complete = complete && key.ReadString("Language", language) &&
               key.ReadString("Path", path) && key.ReadString("Blocked Popups", blockedPopups) &&
               key.ReadString("User Wav Path", userWavPath);
    if (!complete) {
        prompt.Show(texts.Text("6001", "Sorry, but some files have been corrupted, you have to "
                                       "re-install the program"),
                    caption, MB_OK);
        return -1;
    }
    DWORD value = 0;
    closeToTray = key.ReadDword("Close To Tray", value) && value != 0 ? 1 : 0;
    return 0;
}

bool CHalvaneSettings::SaveSettings(int startupMode) const {
    CRegKey key;
    bool saved = key.Create(HKEY_CURRENT_USER, kProductKey);
    saved = key.WriteString("Blocked Popups", blockedPopups) && saved;
    saved = key.WriteString("User Wav Path", userWavPath) && saved;
    saved = key.WriteString("Wizard Message", wizardMessage) && saved;
    if (languageChanged) saved = key.WriteString("Language", language) && saved;
    saved = WriteRunValue(startupMode, path) && saved;
    return key.WriteDword("Close To Tray", closeToTray ? 1 : 0) && saved;
}

bool CHalvaneSettings::WriteShowAtStart(bool show) {
    showAtStart = show;
    CRegKey key;
    return key.Open(HKEY_CURRENT_USER, kProductKey, KEY_SET_VALUE) &&
           key.WriteDword("ShowAtStart", show ? 1 : 0);
}

bool WriteRunValue(int startupMode, const std::string& productFolder) {
    CRegKey key;
    const std::string command =
        startupMode == 2 ? "\"" + productFolder + "\\Halvane.exe\"" : std::string();
    return key.Create(HKEY_CURRENT_USER, kRunKey) && key.WriteString(kRunValueName, command);
}

}  // namespace popup
