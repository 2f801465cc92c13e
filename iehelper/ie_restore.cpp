#include "iehelper/ie_restore.h"

#include <windows.h>

#include "common/suite/blinkward.h"
#include "iehelper/byte_list.h"
#include "platform/registry/reg_key.h"

namespace iehelper {
namespace {

const char kSection[] = "IE Settings";
const char kInternetSettings[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
// The switch is a DWORD; a saved text never names more bytes than its
// 260-byte buffer can.
const std::size_t kMaxSwitchBytes = 130;

std::string ReadIni(const std::string& file, const char* key, DWORD bufferSize) {
    std::string buffer(bufferSize, '\0');
    const DWORD length =
        GetPrivateProfileStringA(kSection, key, "", &buffer[0], bufferSize, file.c_str());
    buffer.resize(length);
    return buffer;
}

}  // namespace

int RestoreIESettings(const std::string& browserIni) {
    if (!ReadIni(browserIni, "Restored", 30).empty()) return 1;
    if (ReadIni(browserIni, "Saved", 30).empty()) return 0;
    std::string proxyEnable;
    if (!ParseByteList(ReadIni(browserIni, "ProxyEnable", 260), kMaxSwitchBytes, proxyEnable))
        return 0;
    CRegKey settings;
    if (!settings.Open(HKEY_CURRENT_USER, kInternetSettings, KEY_ALL_ACCESS)) return 0;
    if (!settings.WriteString("ProxyServer", ReadIni(browserIni, "Proxy", 260))) return 0;
    if (!settings.WriteBytes("ProxyEnable", REG_BINARY, proxyEnable)) return 0;
    WritePrivateProfileStringA(kSection, "Restored", "1", browserIni.c_str());
    return 1;
}

void RemoveInstallerRunValue() {
    CRegKey run;
    if (run.Open(HKEY_LOCAL_MACHINE, kRunKey, KEY_SET_VALUE))
        run.DeleteValue(suite::blinkward::kInstallerRunValueName);
}

}  // namespace iehelper
