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

// A value no key of the file can hold: tells a missing key from an empty one.
const char kMissing[] = "\x01";

// False when the key is missing.
bool ReadIni(const std::string& file, const char* key, DWORD bufferSize, std::string& value) {
    std::string buffer(bufferSize, '\0');
    const DWORD length =
        GetPrivateProfileStringA(kSection, key, kMissing, &buffer[0], bufferSize, file.c_str());
    buffer.resize(length);
    if (buffer == kMissing) return false;
    value = buffer;
    return true;
}

std::string ReadIni(const std::string& file, const char* key, DWORD bufferSize) {
    std::string value;
    ReadIni(file, key, bufferSize, value);
    return value;
}

}  // namespace

int RestoreIESettings(const std::string& browserIni) {
    if (!ReadIni(browserIni, "Restored", 30).empty()) return 1;
    if (ReadIni(browserIni, "Saved", 30).empty()) return 0;
    // Only what the installation saved goes back: a missing value (or a
    // switch without any byte) stays as it is now.
    std::string proxy, switchText, proxyEnable;
    const bool haveProxy = ReadIni(browserIni, "Proxy", 260, proxy);
    ReadIni(browserIni, "ProxyEnable", 260, switchText);
    if (!ParseByteList(switchText, kMaxSwitchBytes, proxyEnable)) return 0;
    CRegKey settings;
    if (!settings.Open(HKEY_CURRENT_USER, kInternetSettings, KEY_ALL_ACCESS)) return 0;
    if (haveProxy && !settings.WriteString("ProxyServer", proxy)) return 0;
    if (!proxyEnable.empty() && !settings.WriteBytes("ProxyEnable", REG_BINARY, proxyEnable))
        return 0;
    WritePrivateProfileStringA(kSection, "Restored", "1", browserIni.c_str());
    return 1;
}

void RemoveInstallerRunValue() {
    CRegKey run;
    if (run.Open(HKEY_LOCAL_MACHINE, kRunKey, KEY_SET_VALUE))
        run.DeleteValue(suite::blinkward::kInstallerRunValueName);
}

}  // namespace iehelper
