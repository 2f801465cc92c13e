#include "common/browser/connection_list.h"

#include "common/browser/connection_blob.h"
#include "common/browser/proxy_setting_key.h"
#include "platform/registry/reg_key.h"

namespace browser {
namespace {

const char kLanSettings[] = "DefaultConnectionSettings";
const char kSavedSettings[] = "SavedLegacySettings";
const char kBypass[] = "local";

bool IsDialUp(const std::string& name) { return name != kLanSettings && name != kSavedSettings; }

// Writes `ProxyHttp1.1`; false when "Internet Settings" cannot be opened,
// in which case nothing at all is changed.
bool WriteHttp11(DWORD value) {
    CRegKey settings;
    settings.Open(HKEY_CURRENT_USER, kInternetSettingsKey, KEY_ALL_ACCESS);
    if (!settings.IsOpen()) return false;
    settings.WriteDword("ProxyHttp1.1", value);
    return true;
}

// The settings every version of Internet Explorer reads for the LAN name
// the program's proxy and switch it on.
bool LegacySettingsCarryProxy() {
    CRegKey settings;
    settings.Open(HKEY_CURRENT_USER, kInternetSettingsKey, KEY_READ);
    DWORD enabled = 0;
    std::string server;
    return settings.ReadDword("ProxyEnable", enabled) && enabled != 0 &&
           settings.ReadString("ProxyServer", server) && server == kIEProxyString;
}

}  // namespace

bool IsConnectionConfigured(const std::string& name) {
    CRegKey key;
    key.Open(HKEY_CURRENT_USER, kConnectionsKey, KEY_READ);
    std::string blob;
    return key.ReadBytes(name.c_str(), blob) && BlobCarriesProxy(blob, kIEProxyString);
}

void CConnectionList::EnumDialUpConnections(bool setMode) {
    Entries.clear();
    GreyedFlags.clear();
    GreyedCount = ConfiguredCount = 0;
    CRegKey key;
    key.Open(HKEY_CURRENT_USER, kConnectionsKey, KEY_READ);
    for (const std::string& name : key.ValueNames()) {
        if (!IsDialUp(name)) continue;
        bool configured = IsConnectionConfigured(name);
        ConnectionEntry entry;
        entry.Name = name;
        entry.Greyed = (setMode ? configured : !configured) ? 1 : 0;
        Entries.push_back(entry);
        GreyedFlags.push_back(entry.Greyed);
        GreyedCount += entry.Greyed;
        if (!setMode && configured) ++ConfiguredCount;
    }
    Count = static_cast<int>(Entries.size());
}

bool CConnectionList::AnyConnectionConfigured() const {
    CRegKey key;
    key.Open(HKEY_CURRENT_USER, kConnectionsKey, KEY_READ);
    for (const std::string& name : key.ValueNames())
        if (IsConnectionConfigured(name)) return true;
    return false;
}

bool LanUsesProxy() {
    return IsConnectionConfigured(kLanSettings) || LegacySettingsCarryProxy();
}

bool CConnectionList::IsIEProxyConfigured() const {
    return LegacySettingsCarryProxy() || AnyConnectionConfigured();
}

void CConnectionList::ResetIEProxy(bool lanChosen, bool dialUpChosen) {
    if (!WriteHttp11(0)) return;
    ProxySettingKey flags;
    BrowserState& state = env_.state;
    if (lanChosen && DisableConnectionProxy(env_, ""))
        flags.Set(state.LanConfigured, kLanFlag, 0);
    if (dialUpChosen) {
        for (const ConnectionEntry& entry : Entries)
            if (entry.Chosen && DisableConnectionProxy(env_, entry.Name) && ConfiguredCount > 0)
                --ConfiguredCount;
        if (ConfiguredCount == 0) flags.Set(state.DialUpConfigured, kDialUpFlag, 0);
    }
    env_.options.NotifyChanged();
}

void CConnectionList::ResetIEProxy() {
    // A LAN proxy the user set up himself is not ours to switch off, whatever
    // an older run stored: only the settings themselves tell.
    const bool lanIsOurs = LanUsesProxy();
    EnumDialUpConnections(false);
    if (!lanIsOurs && ConfiguredCount == 0) {
        // Nothing of ours is left in the settings: the stale flags go, and
        // the user's own settings (`ProxyHttp1.1` among them) stay.
        ProxySettingKey flags;
        flags.Set(env_.state.LanConfigured, kLanFlag, 0);
        flags.Set(env_.state.DialUpConfigured, kDialUpFlag, 0);
        return;
    }
    for (ConnectionEntry& entry : Entries) entry.Chosen = entry.Greyed ? 0 : 1;
    ResetIEProxy(lanIsOurs, true);
    if (!lanIsOurs) ProxySettingKey().Set(env_.state.LanConfigured, kLanFlag, 0);
}

bool SetConnectionOptions(BrowserEnv& env, const std::string& name, const std::string& proxy) {
    if (env.options.SetProxy(name, proxy, kBypass)) return true;
    env.ShowError(
        env.text.Text("2241", "Error, Failed to set Internet Explorer proxy setting."));
    return false;
}

bool DisableConnectionProxy(BrowserEnv& env, const std::string& name) {
    if (env.options.SetDirect(name)) return true;
    env.ShowError(
        env.text.Text("2244", "Error, Failed to reset Internet Explorer proxy setting."));
    return false;
}

void SetIEProxy(BrowserEnv& env, bool lanChosen, bool dialUpChosen, const CConnectionList& list) {
    if (!WriteHttp11(1)) return;
    ProxySettingKey flags;
    BrowserState& state = env.state;
    if (lanChosen && SetConnectionOptions(env, "", kIEProxyString))
        flags.Set(state.LanConfigured, kLanFlag, 1);
    if (dialUpChosen) {
        for (const ConnectionEntry& entry : list.Entries)
            if (entry.Chosen && SetConnectionOptions(env, entry.Name, kIEProxyString))
                flags.Set(state.DialUpConfigured, kDialUpFlag, 1);
    }
    env.options.NotifyChanged();
}

}  // namespace browser
