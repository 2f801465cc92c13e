#pragma once
// Puts back the Internet Explorer proxy settings that the product's
// installation saved in "Browser.ini" (section "IE Settings"), once, and
// takes out the installation's Run value. Used by the uninstall exports.
#include <string>

namespace iehelper {

constexpr char kBrowserIni[] = "Browser.ini";

// 1 when the settings were put back now or before; 0 when nothing was
// saved, the saved switch is unreadable, or a write failed. "Restored" is
// recorded only once both values are written, so a failed run can be
// repeated.
int RestoreIESettings(const std::string& browserIni);

// Deletes HKLM ...\CurrentVersion\Run "VelmoraBlinkward" and nothing else.
void RemoveInstallerRunValue();

}  // namespace iehelper
