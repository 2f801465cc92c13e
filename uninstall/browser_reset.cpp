#include "uninstall/browser_reset.h"

#include <windows.h>

#include <string>

#include "common/browser/connection_list.h"
#include "common/browser/netscape_profiles.h"
#include "common/browser/opera_config.h"
#include "common/files/whole_file.h"
#include "common/suite/blinkward.h"
#include "platform/registry/reg_key.h"

namespace uninstall {
namespace {

namespace bw = suite::blinkward;

void ReadStoredFlags(browser::BrowserState& state) {
    CRegKey key;
    if (!key.Open(HKEY_CURRENT_USER, bw::kProxySettingKey, KEY_READ)) return;
    const struct {
        const char* name;
        int& flag;
    } flags[] = {{bw::kLanFlag, state.LanConfigured},
                 {bw::kDialUpFlag, state.DialUpConfigured},
                 {bw::kNetscapeFlag, state.NetscapeConfigured},
                 {bw::kOpera6Flag, state.Opera6Configured},
                 {bw::kOpera7Flag, state.Opera7Configured}};
    for (const auto& entry : flags) {
        DWORD value = 0;
        if (key.ReadDword(entry.name, value)) entry.flag = value ? 1 : 0;
    }
}

void DetectInstalled(browser::BrowserState& state) {
    CRegKey opera;
    if (opera.Open(HKEY_CURRENT_USER, browser::kOperaKey, KEY_READ)) {
        std::string path;
        state.Opera6Installed = opera.ReadString("Last CommandLine", path) && files::FileExists(path);
        state.Opera7Installed = opera.ReadString("Last Directory2", path) &&
                                files::FileExists(path + "\\Opera.exe");
    }
    CRegKey mozilla;
    if (mozilla.Open(HKEY_CURRENT_USER, "Software\\Mozilla", KEY_READ))
        state.NetscapeInstalled = mozilla.SubKeyCount() > 0;
}

}  // namespace

void ReadBrowserState(browser::BrowserEnv& env, browser::CConnectionList& connections) {
    browser::BrowserState& state = env.state;
    ReadStoredFlags(state);
    DetectInstalled(state);
    if (!state.LanConfigured && !state.DialUpConfigured)
        state.IEProxyConfigured = connections.IsIEProxyConfigured() ? 1 : 0;
    if (!state.NetscapeConfigured && state.NetscapeInstalled)
        state.NetscapeConfigured = browser::CNetscapeProfiles(env).EnumMozillaProfiles() ? 1 : 0;
    const int inspect6 = state.Opera6Installed && !state.Opera6Configured;
    const int inspect7 = state.Opera7Installed && !state.Opera7Configured;
    if (inspect6 || inspect7) browser::COperaConfig(env, inspect6, inspect7).ReadConfiguredState();
}

bool RestoreBrowserProxies(browser::BrowserEnv& env, browser::CConnectionList& connections) {
    ReadBrowserState(env, connections);
    browser::BrowserState& state = env.state;
    const bool netscape = state.NetscapeConfigured != 0;
    if (state.IEProxyConfigured || state.LanConfigured || state.DialUpConfigured)
        connections.ResetIEProxy();
    if (netscape) {
        browser::CNetscapeProfiles profiles(env);
        profiles.ListNetscapeProfiles(false);
        profiles.ResetAllConfigured();
    }
    if (state.Opera6Configured || state.Opera7Configured)
        browser::COperaConfig(env, state.Opera6Configured, state.Opera7Configured)
            .ResetOperaProxy();
    return netscape;
}

}  // namespace uninstall
