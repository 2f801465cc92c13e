#pragma once
// What the popup blocker's family shares: the popup blocker itself, its
// browser helper object and its uninstaller find each other and each
// other's settings through these names only. Changing one breaks an
// installed peer: they are fixed.
#include <string>

namespace suite {
namespace blinkward {

// The program and its folder (the product folder holds all three files).
constexpr char kProgramFile[] = "Halvane.exe";

// HKEY_CURRENT_USER: the product key (`Path`, `Language`, ...) and the
// stored copy of the browser flags, one REG_DWORD (0 or 1) per browser.
constexpr char kProductKey[] = "Software\\Velmora Blinkward";
constexpr char kProxySettingKey[] = "Software\\Velmora Blinkward\\Proxy Setting";
constexpr char kLanFlag[] = "Lan Is Configured";
constexpr char kDialUpFlag[] = "DialUp Is Configured";
constexpr char kNetscapeFlag[] = "Netscape Is Configured";
constexpr char kOpera6Flag[] = "Opera6 Is Configured";
constexpr char kOpera7Flag[] = "Opera7 Is Configured";
// The Run value (under ...\CurrentVersion\Run) for start mode 2.
constexpr char kRunValueName[] = "Velmora Blinkward";

// The value the product's installer adds under HKEY_LOCAL_MACHINE
// ...\CurrentVersion\Run (no blank); the helper's uninstall exports take it out.
constexpr char kInstallerRunValueName[] = "VelmoraBlinkward";

// Language key 9999 and its English default: the single-instance mutex's
// name and the title of the hidden window by which the peers find the
// program (one top-level title lookup, no class name).
constexpr char kTitleKey[] = "9999";
constexpr char kTitleDefault[] = "Velmora Blinkward.com";
// The title a language file's key 9999 gives: an empty text means the
// default, never "" (which would find any window without a title).
inline std::string WindowTitle(const std::string& text) {
    return text.empty() ? std::string(kTitleDefault) : text;
}
// The language files' section (and the engine settings file's section).
constexpr char kSection[] = "VelmoraBlinkward";

// "QXINI.ini" in the product folder: `Startup` is the start mode,
// 2 Windows start-up, 1 with Internet Explorer, 0 by hand.
constexpr char kEngineSettingsFile[] = "QXINI.ini";
constexpr char kStartupKey[] = "Startup";
constexpr int kStartWithWindows = 2;
constexpr int kStartWithBrowser = 1;
constexpr int kStartByHand = 0;

// The folder below the product folder that holds the language files.
constexpr char kLanguageFolder[] = "Language";

// Posted without parameters to the window with the program's title.
constexpr unsigned WM_LAST_BROWSER_CLOSED = 0x8016;  // helper: last browser ended
constexpr unsigned WM_UNINSTALL_NOTICE = 9000;       // uninstaller ran

// First-run backups in the product folder, restored by the uninstaller:
// HOSTS as "mHosts"; the ActiveX policies of zones 1 to 4 as "acRs.ini",
// section kZoneSections[zone - 1], key = URL action, signed decimal value;
// a policy the zone does not hold has no key.
constexpr char kHostsBackupFile[] = "mHosts";
constexpr char kZoneBackupFile[] = "acRs.ini";
constexpr int kZoneCount = 4;
constexpr int kActionCount = 5;
constexpr const char* kZoneSections[kZoneCount] = {"Local Intranet", "Trusted Sites", "Internet",
                                                   "Restricted Sites"};
constexpr const char* kZoneActions[kActionCount] = {"1001", "1004", "1201", "1200", "1405"};
// What the popup blocker itself last wrote into a zone policy: HKEY_CURRENT_USER
// kZonesSetKey + "\\" + zone number, one REG_DWORD per URL action. The
// uninstaller puts a policy back only while it still holds that value; a
// policy changed since (by the user or other software) is theirs.
constexpr char kZonesSetKey[] = "Software\\Velmora Blinkward\\Zones Set";

}  // namespace blinkward
}  // namespace suite
