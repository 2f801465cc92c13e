#include "popup/browser_state_reader.h"

#include <windows.h>

#include <string>

#include "common/browser/connection_list.h"
#include "common/browser/netscape_profiles.h"
#include "common/browser/opera_config.h"
#include "common/browser/proxy_setting_key.h"
#include "common/files/whole_file.h"
#include "platform/registry/reg_key.h"

namespace popup {

namespace {

// Opera keeps the program it last started under its own key.
bool NamesExistingFile(const CRegKey& key, const char* value) {
    std::string path;
    return key.ReadString(value, path) && files::FileExists(path);
}

void ReadStoredFlags(browser::BrowserState& state) {
    CRegKey key;
    if (!key.Open(HKEY_CURRENT_USER, browser::kProxySettingKey, KEY_READ)) return;
    const struct {
        const char* name;
        int& flag;
    } flags[] = {{browser::kLanFlag, state.LanConfigured},
                 {browser::kDialUpFlag, state.DialUpConfigured},
                 {browser::kNetscapeFlag, state.NetscapeConfigured},
                 {browser::kOpera6Flag, state.Opera6Configured},
                 {browser::kOpera7Flag, state.Opera7Configured}};
    for (const auto& entry : flags) {
        DWORD value = 0;
        if (key.ReadDword(entry.name, value)) entry.flag = value ? 1 : 0;
    }
}

void DetectInstalled(browser::BrowserState& state) {
    state.Opera6Installed = state.Opera7Installed = state.NetscapeInstalled = 0;
    CRegKey opera;
    if (opera.Open(HKEY_CURRENT_USER, browser::kOperaKey, KEY_READ)) {
        state.Opera6Installed = NamesExistingFile(opera, "Last CommandLine");
        std::string directory;
        state.Opera7Installed = opera.ReadString("Last Directory2", directory)
                                    ? files::FileExists(directory + "\\Opera.exe")
                                    : NamesExistingFile(opera, "Last CommandLine v2");
    }
    CRegKey mozilla;
    if (mozilla.Open(HKEY_CURRENT_USER, "Software\\Mozilla", KEY_READ))
        state.NetscapeInstalled = mozilla.SubKeyCount() > 0;
}

}  // namespace

bool ReadBrowserState(browser::BrowserEnv& env) {
    browser::BrowserState& state = env.state;
    ReadStoredFlags(state);
    DetectInstalled(state);
    {
        const browser::ProxySettingKey stored;
        // The user may have put his own proxy into the LAN settings since
        // they were configured: the stored flag must not outlive that.
        if (state.LanConfigured && !browser::LanUsesProxy())
            stored.Set(state.LanConfigured, browser::kLanFlag, 0);
        if (!state.NetscapeInstalled) stored.Set(state.NetscapeConfigured, browser::kNetscapeFlag, 0);
        if (!state.Opera6Installed) stored.Set(state.Opera6Configured, browser::kOpera6Flag, 0);
        if (!state.Opera7Installed) stored.Set(state.Opera7Configured, browser::kOpera7Flag, 0);
    }
    const browser::CConnectionList connections(env);
    state.IEProxyConfigured = connections.IsIEProxyConfigured() ? 1 : 0;
    if (!state.IEProxyConfigured) state.LanConfigured = state.DialUpConfigured = 0;
    if (state.NetscapeInstalled) {
        browser::CNetscapeProfiles profiles(env);
        state.NetscapeConfigured = profiles.EnumMozillaProfiles() ? 1 : 0;
    }
    if (state.Opera6Installed || state.Opera7Installed) {
        browser::COperaConfig opera(env, state.Opera6Installed, state.Opera7Installed);
        opera.ReadConfiguredState();
    }
    return state.IEProxyConfigured || state.LanConfigured || state.DialUpConfigured ||
           state.NetscapeConfigured || state.Opera6Configured || state.Opera7Configured;
}

}  // namespace popup
