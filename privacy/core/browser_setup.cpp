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

const char kKeptProxyKey[] = "HKEY_CURRENT_USER\\Software\\Velmora\\Veilstride\\Browsers";

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

// Every dial-up connection's blob, edited by `edit` (name, blob) and
// written back when it changed.
template <typename Edit>
void EditDialUpBlobs(Edit edit) {
    CRegistryKey connections(kConnections);
    connections.ReadValues();
    for (CRegistryValue& value : connections.values) {
        if (EqualsNoCase(value.name, "DefaultConnectionSettings") ||
            EqualsNoCase(value.name, "SavedLegacySettings"))
            continue;
        std::string blob;
        if (!value.GetBinary(blob) || !edit(value.name, blob)) continue;
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

IniSection OperaProxySection() { return BracketedSection("[Proxy]"); }

std::string HttpPrefLine(const std::string& host) { return std::string(kHttpPref) + ", \"" + host + "\");"; }
std::string PortPrefLine(int port) { return std::string(kPortPref) + ", " + IntToString(port) + ");"; }

// The first line of the section starting with `prefix`, normalised; "".
std::string FirstLine(const std::string& path, const IniSection& where, const std::string& prefix) {
    std::vector<std::string> found = ReadIniSection(path, where, prefix, "");
    return found.empty() ? std::string() : found.front();
}

std::string KeptKey(const BrowserSetupEnv& env, const char* browser) {
    return env.keptKey + "\\" + browser;
}

// The kept text of `name` into `text`: false when none was kept; true with
// "" when set-up kept that the user had none.
bool KeptText(const std::string& keptKey, const std::string& name, std::string& text) {
    CRegistryValue value;
    if (!CRegistryKey(keptKey).ReadValue(name, value) || value.type != REG_SZ) return false;
    text = value.data.c_str();
    return true;
}

// One line of a browser's settings file that set-up writes.
struct OwnLine {
    std::string prefix;  // the lines it replaces start with this
    std::string ours;    // the line set-up writes
    std::string off;     // written at restore when nothing was kept; "": none
};

// Keeps the lines `lines` replace, "" for each the file lacks (unless the
// file already names the local proxy), then writes ours.
void SetLines(const std::string& path, const IniSection& where, const std::vector<OwnLine>& lines,
              bool alreadyOurs, const std::string& keptKey) {
    if (!alreadyOurs) {
        CRegistryKey(keptKey).DeleteTree();
        IniSection asWritten = where;  // the user's lines come back as they were
        asWritten.normalise = false;
        for (const OwnLine& line : lines)
            CRegistryKey(keptKey).WriteString(line.prefix, FirstLine(path, asWritten, line.prefix));
    }
    for (const OwnLine& line : lines) SetIniLine(path, where, line.prefix, line.ours);
}

// Puts the kept lines back when the file still names the local proxy: a
// line the user had none of goes, and without a kept copy the switched-off
// line is written. The kept copy goes either way.
void PutLinesBack(const std::string& path, const IniSection& where,
                  const std::vector<OwnLine>& lines, bool stillOurs, const std::string& keptKey) {
    if (stillOurs) {
        for (const OwnLine& line : lines) {
            std::string kept;
            if (!KeptText(keptKey, line.prefix, kept)) {
                if (!line.off.empty()) SetIniLine(path, where, line.prefix, line.off);
            } else if (kept.empty()) {
                RemoveIniLine(path, where, line.prefix);
            } else {
                SetIniLine(path, where, line.prefix, kept);
            }
        }
    }
    CRegistryKey(keptKey).DeleteTree();
}

std::vector<OwnLine> MozillaLines(const std::string& host, int port) {
    return {{kTypePref, std::string(kTypePref) + ", 1);", std::string(kTypePref) + ", 0);"},
            {kHttpPref, HttpPrefLine(host), ""},
            {kPortPref, PortPrefLine(port), ""}};
}

bool MozillaNamesProxy(const std::string& prefs, const std::string& host, int port) {
    return FirstLine(prefs, PrefsFile(), kHttpPref) == NormaliseLine(HttpPrefLine(host)) &&
           FirstLine(prefs, PrefsFile(), kPortPref) == NormaliseLine(PortPrefLine(port));
}

std::vector<OwnLine> OperaLines(const std::string& host, int port) {
    return {{"Use HTTP=", "Use HTTP=1", "Use HTTP=0"},
            {"HTTP Server=", "HTTP Server=" + ProxyText(host, port), ""},
            {"Enable HTTP 1.1 for proxy=", "Enable HTTP 1.1 for proxy=1", ""}};
}

bool OperaNamesProxy(const std::string& ini, const std::string& host, int port) {
    return EqualsNoCase(FirstLine(ini, OperaProxySection(), "HTTP Server="),
                        "HTTP Server=" + ProxyText(host, port));
}

// Internet Explorer's LAN setting names the local proxy.
bool LanNamesProxy(const CRegistryKey& settings, const std::string& text) {
    CRegistryValue server;
    return settings.ReadValue("ProxyServer", server) && server.type == REG_SZ &&
           std::string(server.data.c_str()) == text;
}

const char kLanEnable[] = "ProxyEnable";
const char kLanServer[] = "ProxyServer";
const char kLanKept[] = "LAN kept";  // set-up kept the LAN values, missing ones too
const char kDialUpPrefix[] = "Dial-up ";

// Copies value `name` from one key to the other; when `from` has none, the
// one in `to` goes too.
void CopyValue(const CRegistryKey& from, const CRegistryKey& to, const char* name) {
    CRegistryValue value;
    if (from.ReadValue(name, value)) {
        CRegistryValue(to.FullPath(), name, value.type, value.data).Write();
    } else {
        CRegistryValue(to.FullPath(), name, 0, "").Delete();
    }
}

// The LAN values as set-up kept them (a value the user had none of goes),
// or the switch off when nothing was kept.
void PutLanBack(const CRegistryKey& settings, const CRegistryKey& kept) {
    CRegistryValue marker;
    if (!kept.ReadValue(kLanKept, marker)) {
        settings.WriteDWord(kLanEnable, 0);
        return;
    }
    CopyValue(kept, settings, kLanEnable);
    CopyValue(kept, settings, kLanServer);
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

std::string BlobProxyState(const std::string& blob) {
    if (!IsWellFormed(blob)) return "";
    return std::string((blob[8] & kUseProxy) ? "1" : "0") + blob.substr(kBlobHead, ReadLength(blob));
}

bool PutBlobProxyState(std::string& blob, const std::string& state) {
    if (!IsWellFormed(blob) || state.empty()) return false;
    blob[8] = static_cast<char>(state[0] == '1' ? (blob[8] | kUseProxy) : (blob[8] & ~kUseProxy));
    PutProxyText(blob, state.substr(1));
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
    const std::string kept = KeptKey(env, "Internet Explorer");
    CRegistryKey(std::string(kAdvancedHttp) + "GENABLE").WriteDWord("CheckedValue", 1);
    CRegistryKey(std::string(kAdvancedHttp) + "PROXY").WriteDWord("CheckedValue", 1);
    CRegistryKey settings(kInternetSettings);
    if (!LanNamesProxy(settings, text)) {
        CopyValue(settings, CRegistryKey(kept), kLanEnable);
        CopyValue(settings, CRegistryKey(kept), kLanServer);
        CRegistryKey(kept).WriteDWord(kLanKept, 1);
    }
    settings.WriteDWord(kLanEnable, 1);
    settings.WriteString(kLanServer, text);
    EditDialUpBlobs([&](const std::string& name, std::string& blob) {
        const std::string state = BlobProxyState(blob);
        if (!state.empty() && state.compare(1, std::string::npos, text) != 0)
            CRegistryKey(kept).WriteString(kDialUpPrefix + name, state);
        return SetBlobProxy(blob, text);
    });
    if (env.settingsChanged) env.settingsChanged();
}

void RestoreIEProxy(const std::string& host, int port, const BrowserSetupEnv& env) {
    const std::string text = ProxyText(host, port);
    const std::string kept = KeptKey(env, "Internet Explorer");
    CRegistryKey settings(kInternetSettings);
    if (LanNamesProxy(settings, text)) PutLanBack(settings, CRegistryKey(kept));
    EditDialUpBlobs([&](const std::string& name, std::string& blob) {
        std::string state;
        KeptText(kept, kDialUpPrefix + name, state);
        if (BlobProxyState(blob) != "1" + text) return false;
        return state.empty() ? ClearBlobProxy(blob, text) : PutBlobProxyState(blob, state);
    });
    CRegistryKey(kept).DeleteTree();
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
    SetLines(prefs, PrefsFile(), MozillaLines(host, port), MozillaNamesProxy(prefs, host, port),
             KeptKey(env, "Mozilla"));
}

void RestoreMozillaProxy(const std::string& host, int port, const BrowserSetupEnv& env) {
    const std::string prefs = FindMozillaPrefs(env);
    if (prefs.empty()) return;
    PutLinesBack(prefs, PrefsFile(), MozillaLines(host, port), MozillaNamesProxy(prefs, host, port),
                 KeptKey(env, "Mozilla"));
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
    SetLines(ini, OperaProxySection(), OperaLines(host, port), OperaNamesProxy(ini, host, port),
             KeptKey(env, "Opera"));
}

void RestoreOperaProxy(const std::string& host, int port, const BrowserSetupEnv& env) {
    const std::string ini = FindOperaIni(env);
    if (ini.empty()) return;
    PutLinesBack(ini, OperaProxySection(), OperaLines(host, port), OperaNamesProxy(ini, host, port),
                 KeptKey(env, "Opera"));
}

}  // namespace privacy
