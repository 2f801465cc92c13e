#include "common/browser/opera_config.h"

#include <windows.h>

#include "common/browser/file_rewrite.h"
#include "common/browser/opera_ini.h"
#include "common/browser/proxy_setting_key.h"
#include "platform/registry/reg_key.h"
#include "common/browser/text_lines.h"
#include "common/os/os_version.h"

namespace browser {
namespace {

const char kSettingsFile[] = "opera6.ini";

std::string ProxyServer() { return std::string(kProxyHost) + ":" + kProxyPort; }

std::string UpToLastBackslash(const std::string& text) {
    size_t slash = text.rfind('\\');
    return slash == std::string::npos ? "" : text.substr(0, slash + 1);
}

std::string WithoutTrailingBackslash(std::string folder) {
    while (!folder.empty() && folder.back() == '\\') folder.pop_back();
    return folder;
}

// "Multi User" of section "System" in the defaults file, one character;
// "2" when it is absent.
std::string MultiUserValue(const std::string& defaultsFile) {
    char value[2] = "";
    GetPrivateProfileStringA("System", "Multi User", "2", value, sizeof(value),
                             defaultsFile.c_str());
    return value;
}

struct MessageText {
    const char* key;
    const char* def;
};

const MessageText kConfigureMessages[] = {
    {"2245", "Error, Failed to set Opera 6 proxy setting because %s doesn't exist."},
    {"2246", "Error, Failed to set Opera 7 proxy setting because %s doesn't exist."},
    {"2247",
     "Error, Failed to set Opera 6 and Opera 7 proxy setting because %s1 and %s2 don't exist."},
};
const MessageText kResetMessages[] = {
    {"2248", "Error, Failed to reset Opera 6 proxy setting because %s doesn't exist."},
    {"2249", "Error, Failed to reset Opera 7 proxy setting because %s doesn't exist."},
    {"2250",
     "Error, Failed to reset Opera 6 and Opera 7 proxy setting because %s1 and %s2 don't "
     "exist."},
};
const MessageText kConfigureWriteMessage = {
    "2261", "Error, Failed to set Opera proxy setting because %s can't be written."};
const MessageText kResetWriteMessage = {
    "2262", "Error, Failed to reset Opera proxy setting because %s can't be written."};
const MessageText kKeyMissingMessage = {
    "2251", "Error, Failed to set Opera proxy setting because Opera key doesn't exist in the "
            "Registry."};

}  // namespace

int COperaConfig::FindOperaIni() {
    Opera7DefIniPath.clear();
    Opera6IniPath.clear();
    Opera7IniPath.clear();
    CRegKey key;
    if (!key.Open(HKEY_CURRENT_USER, kOperaKey, KEY_READ)) return kOperaKeyMissing;
    bool missing7 = false, missing6 = false;
    if (WantOpera7) {
        std::string folder;
        if (!key.ReadString("Last Directory2", folder)) return kOperaKeyMissing;
        folder = WithoutTrailingBackslash(folder);
        Opera7DefIniPath = folder + "\\OperaDef6.ini";
        const std::string multiUser = MultiUserValue(Opera7DefIniPath);
        const std::string singleUserFile = folder + "\\profile\\" + kSettingsFile;
        if (multiUser == "0")
            Opera7IniPath = singleUserFile;
        else
            Opera7IniPath =
                OperaUserIniPath(COsVersion(), env_.bases, folder.substr(folder.rfind('\\') + 1));
        if (!files::PathExists(Opera7IniPath)) {
            if (multiUser == "2" && files::PathExists(singleUserFile))
                Opera7IniPath = singleUserFile;
            else
                missing7 = true;
        }
    }
    if (WantOpera6) {
        std::string commandLine;
        if (!key.ReadString("Last CommandLine", commandLine)) return kOperaKeyMissing;
        Opera6IniPath = UpToLastBackslash(commandLine) + kSettingsFile;
        missing6 = !files::PathExists(Opera6IniPath);
    }
    if (missing6 && missing7) return kBothOperaInisMissing;
    if (missing6) return kOpera6IniMissing;
    if (missing7) return kOpera7IniMissing;
    return kOperaIniFound;
}

void COperaConfig::ReportFindFailure(int result, bool configure) {
    if (result == kOperaKeyMissing) {
        env_.ShowError(env_.text.Text(kKeyMissingMessage.key, kKeyMissingMessage.def));
        return;
    }
    const MessageText& message = (configure ? kConfigureMessages : kResetMessages)[result - 1];
    std::string text = env_.text.Text(message.key, message.def);
    text = ReplaceAll(text, "%s1", Opera6IniPath);
    text = ReplaceAll(text, "%s2", Opera7IniPath);
    env_.ShowError(
        ReplaceAll(text, "%s", result == kOpera6IniMissing ? Opera6IniPath : Opera7IniPath));
}

void COperaConfig::ReportWriteFailure(bool configure, const std::string& file) {
    const MessageText& message = configure ? kConfigureWriteMessage : kResetWriteMessage;
    env_.ShowError(ReplaceAll(env_.text.Text(message.key, message.def), "%s", file));
}

void COperaConfig::SetFlagsFor(const std::string& file, int value) {
    ProxySettingKey flags;
    if (WantOpera6 && file == Opera6IniPath)
        flags.Set(env_.state.Opera6Configured, kOpera6Flag, value);
    if (WantOpera7 && file == Opera7IniPath)
        flags.Set(env_.state.Opera7Configured, kOpera7Flag, value);
}

bool COperaConfig::SetOperaProxy(const std::string& host, const std::string& port) {
    int result = FindOperaIni();
    if (result != kOperaIniFound) {
        ReportFindFailure(result, true);
        return false;
    }
    bool written = true;
    if (WantOpera6) written = WriteOperaProxySection(host, port, Opera6IniPath) && written;
    if (WantOpera7) written = WriteOperaProxySection(host, port, Opera7IniPath) && written;
    return written;
}

bool COperaConfig::WriteOperaProxySection(const std::string& host, const std::string& port,
                                          const std::string& file) {
    const std::string server = host + ":" + port;
    if (!EditFile(file, [&server](const std::string& ini) {
            return ConfigureOperaProxy(ini, server);
        })) {
        ReportWriteFailure(true, file);
        return false;
    }
    SetFlagsFor(file, 1);
    return true;
}

bool COperaConfig::ResetOperaProxy() {
    int result = FindOperaIni();
    if (result != kOperaIniFound) {
        ReportFindFailure(result, false);
        return false;
    }
    bool cleared = true;
    if (WantOpera6) cleared = ClearOperaProxySection(Opera6IniPath) && cleared;
    if (WantOpera7) {
        cleared = ClearOperaProxySection(Opera7IniPath) && cleared;
        if (IsOperaConfigured(Opera7DefIniPath))
            cleared = ClearOperaProxySection(Opera7DefIniPath) && cleared;
    }
    return cleared;
}

bool COperaConfig::ClearOperaProxySection(const std::string& file) {
    const std::string server = ProxyServer();
    if (!EditFile(file, [&server](const std::string& ini) { return ClearOperaProxy(ini, server); })) {
        ReportWriteFailure(false, file);
        return false;
    }
    SetFlagsFor(file, 0);
    return true;
}

void COperaConfig::ReadConfiguredState() {
    if (FindOperaIni() != kOperaIniFound) return;
    BrowserState& state = env_.state;
    if (WantOpera6) state.Opera6Configured = IsOperaConfigured(Opera6IniPath) ? 1 : 0;
    if (WantOpera7)
        state.Opera7Configured =
            IsOperaConfigured(Opera7IniPath) || IsOperaConfigured(Opera7DefIniPath) ? 1 : 0;
}

bool COperaConfig::IsOperaConfigured(const std::string& file) const {
    std::string ini;
    return files::ReadWholeFile(file, ini) && OperaIniUsesProxy(ini, ProxyServer());
}

}  // namespace browser
