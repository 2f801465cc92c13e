#include "privacy/core/browser_setup.h"

#include <windows.h>
#include <wininet.h>

#include <cstdint>

#include "common/files/folder_list.h"
#include "common/files/whole_file.h"
#include "privacy/core/folder_routines.h"
#include "privacy/core/ini_lines.h"
#include "privacy/core/registry_key.h"
#include "privacy/core/text_routines.h"

namespace privacy {
namespace {

const char kAdvancedHttp[] = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Internet Explorer\\AdvancedOptions\\HTTP\\";
const char kInternetSettings[] =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
const char kConnections[] =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Connections";
const size_t kBlobHead = 16;
const unsigned char kUseProxy = 2;

const char kTypePref[] = "user_pref(\"network.proxy.type\"";
const char kHttpPref[] = "user_pref(\"network.proxy.http\"";
const char kPortPref[] = "user_pref(\"network.proxy.http_port\"";

uint32_t ReadLength(const std::string& blob) {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(static_cast<unsigned char>(blob[12 + i])) << (8 * i);
    return value;
}

bool IsWellFormed(const std::string& blob) {
    return blob.size() >= kBlobHead && ReadLength(blob) <= blob.size() - kBlobHead;
}

void PutProxyText(std::string& blob, const std::string& text) {
    blob.replace(kBlobHead, ReadLength(blob), text);
    const uint32_t length = static_cast<uint32_t>(text.size());
    for (int i = 0; i < 4; ++i) blob[12 + i] = static_cast<char>((length >> (8 * i)) & 0xFF);
}

// Every dial-up connection's blob, edited by `edit` and written back when
// it changed.
template <typename Edit>
void EditDialUpBlobs(Edit edit) {
    CRegistryKey connections(kConnections);
    connections.ReadValues();
    for (CRegistryValue& value : connections.values) {
        if (EqualsNoCase(value.name, "DefaultConnectionSettings") ||
            EqualsNoCase(value.name, "SavedLegacySettings"))
            continue;
        std::string blob;
        if (!value.GetBinary(blob) || !edit(blob)) continue;
        value.data = blob;
        value.Write();
    }
}

IniSection PrefsFile() {
    IniSection where;
    where.skipPrefix = "//";
    where.normalise = true;
    return where;
}

IniSection OperaProxySection() {
    IniSection where;
    where.sectionLine = "[Proxy]";
    where.sectionMark = "[";
    where.skipPrefix = ";";
    where.normalise = true;
    return where;
}

std::string HttpPrefLine(const std::string& host) { return std::string(kHttpPref) + ", \"" + host + "\");"; }
std::string PortPrefLine(int port) { return std::string(kPortPref) + ", " + IntToString(port) + ");"; }

// The first line of the section starting with `prefix`, normalised; "".
std::string FirstLine(const std::string& path, const IniSection& where, const std::string& prefix) {
    std::vector<std::string> found = ReadIniSection(path, where, prefix, "");
    return found.empty() ? std::string() : found.front();
}

}  // namespace

BrowserSetupEnv SystemBrowserSetupEnv() {
    BrowserSetupEnv env;
    env.appDataFolder = AppDataFolder();
    env.settingsChanged = [] { InternetSetOptionA(nullptr, INTERNET_OPTION_SETTINGS_CHANGED, nullptr, 0); };
    return env;
}

std::string ProxyText(const std::string& host, int port) { return host + ":" + IntToString(port); }

bool SetBlobProxy(std::string& blob, const std::string& proxyText) {
    if (!IsWellFormed(blob)) return false;
    blob[8] = static_cast<char>(blob[8] | kUseProxy);
    PutProxyText(blob, proxyText);
    return true;
}

bool ClearBlobProxy(std::string& blob, const std::string& proxyText) {
    if (!IsWellFormed(blob) || blob.compare(kBlobHead, ReadLength(blob), proxyText) != 0) return false;
    blob[8] = static_cast<char>(blob[8] & ~kUseProxy);
    PutProxyText(blob, std::string());
    return true;
}

void SetupIEProxy(const std::string& host, int port, const BrowserSetupEnv& env) {
    const std::string text = ProxyText(host, port);
    CRegistryKey(std::string(kAdvancedHttp) + "GENABLE").WriteDWord("CheckedValue", 1);
    CRegistryKey(std::string(kAdvancedHttp) + "PROXY").WriteDWord("CheckedValue", 1);
    CRegistryKey settings(kInternetSettings);
    settings.WriteDWord("ProxyEnable", 1);
    settings.WriteString("ProxyServer", text);
    EditDialUpBlobs([&](std::string& blob) { return SetBlobProxy(blob, text); });
    if (env.settingsChanged) env.settingsChanged();
}

void RestoreIEProxy(const std::string& host, int port, const BrowserSetupEnv& env) {
    const std::string text = ProxyText(host, port);
    CRegistryKey settings(kInternetSettings);
    CRegistryValue server;
    if (settings.ReadValue("ProxyServer", server) && server.type == REG_SZ &&
        std::string(server.data.c_str()) == text)
        settings.WriteDWord("ProxyEnable", 0);
    EditDialUpBlobs([&](std::string& blob) { return ClearBlobProxy(blob, text); });
    if (env.settingsChanged) env.settingsChanged();
}

std::string FindMozillaPrefs(const BrowserSetupEnv& env) {
    const std::string root = env.appDataFolder + "\\Mozilla";
    if (env.appDataFolder.empty() || !files::FolderExists(root)) return "";
    for (const std::string& profile : files::ListSubfolders(root)) {
        const std::string defaults = root + "\\" + profile + "\\default";
        if (!files::FolderExists(defaults)) continue;
        for (const std::string& salted : files::ListSubfolders(defaults)) {
            const std::string prefs = defaults + "\\" + salted + "\\prefs.js";
            if (files::FileExists(prefs)) return prefs;
        }
    }
    return "";
}

void SetupMozillaProxy(const std::string& host, int port, const BrowserSetupEnv& env) {
    const std::string prefs = FindMozillaPrefs(env);
    if (prefs.empty()) return;
    SetIniLine(prefs, PrefsFile(), kTypePref, std::string(kTypePref) + ", 1);");
    SetIniLine(prefs, PrefsFile(), kHttpPref, HttpPrefLine(host));
    SetIniLine(prefs, PrefsFile(), kPortPref, PortPrefLine(port));
}

void RestoreMozillaProxy(const std::string& host, int port, const BrowserSetupEnv& env) {
    const std::string prefs = FindMozillaPrefs(env);
    if (prefs.empty()) return;
    if (FirstLine(prefs, PrefsFile(), kHttpPref) != NormaliseLine(HttpPrefLine(host)) ||
        FirstLine(prefs, PrefsFile(), kPortPref) != NormaliseLine(PortPrefLine(port)))
        return;
    SetIniLine(prefs, PrefsFile(), kTypePref, std::string(kTypePref) + ", 0);");
}

std::string FindOperaIni(const BrowserSetupEnv& env) {
    const std::string root = env.appDataFolder + "\\Opera";
    if (env.appDataFolder.empty() || !files::FolderExists(root)) return "";
    for (const std::string& installation : files::ListSubfolders(root)) {
        const std::string ini = root + "\\" + installation + "\\profile\\opera6.ini";
        if (files::FileExists(ini)) return ini;
    }
    return "";
}

void SetupOperaProxy(const std::string& host, int port, const BrowserSetupEnv& env) {
    const std::string ini = FindOperaIni(env);
    if (ini.empty()) return;
    SetIniLine(ini, OperaProxySection(), "Use HTTP=", "Use HTTP=1");
    SetIniLine(ini, OperaProxySection(), "HTTP Server=", "HTTP Server=" + ProxyText(host, port));
    SetIniLine(ini, OperaProxySection(), "Enable HTTP 1.1 for proxy=", "Enable HTTP 1.1 for proxy=1");
}

void RestoreOperaProxy(const std::string& host, int port, const BrowserSetupEnv& env) {
    const std::string ini = FindOperaIni(env);
    if (ini.empty()) return;
    if (!EqualsNoCase(FirstLine(ini, OperaProxySection(), "HTTP Server="),
                      "HTTP Server=" + ProxyText(host, port)))
        return;
    SetIniLine(ini, OperaProxySection(), "Use HTTP=", "Use HTTP=0");
}

}  // namespace privacy
