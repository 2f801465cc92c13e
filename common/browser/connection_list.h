#pragma once
// Internet Explorer's proxy: the LAN settings and each dial-up connection,
// configured through the per-connection options and recognised by the
// connection settings values in the registry.
#include <string>
#include <vector>

#include "common/browser/browser_env.h"

namespace browser {

constexpr char kInternetSettingsKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
constexpr char kConnectionsKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Connections";

struct ConnectionEntry {
    std::string Name;  // the value name under the Connections key
    int Greyed = 0;    // 1: may not be chosen in the current mode
    int Chosen = 0;    // 1: ticked by the user
};

// The dial-up connections of one wizard run (or one uninstaller run).
class CConnectionList {
public:
    explicit CConnectionList(BrowserEnv& env) : env_(env) {}
    virtual ~CConnectionList() = default;

    // Lists every dial-up connection. Set mode greys the configured ones,
    // reset mode the ones that are not configured.
    void EnumDialUpConnections(bool setMode);

    // Some connection value, the LAN and saved settings included, carries
    // the program's proxy.
    bool AnyConnectionConfigured() const;

    // Internet Explorer uses the program's proxy: through the LAN proxy
    // settings or through any connection (a dial-up alone is enough).
    bool IsIEProxyConfigured() const;

    // Reset side of the wizard: switches the proxy off for the LAN and the
    // chosen connections.
    void ResetIEProxy(bool lanChosen, bool dialUpChosen);

    // Reset side of the uninstaller: every configured connection, and the
    // LAN when its settings name the program's proxy (a stored flag alone
    // is not enough: the user may have set up his own proxy since). When
    // nothing carries the proxy any more, only the stored flags are cleared.
    void ResetIEProxy();

    std::vector<ConnectionEntry> Entries;
    int Count = 0;
    std::vector<int> GreyedFlags;
    int GreyedCount = 0;
    int ConfiguredCount = 0;

private:
    BrowserEnv& env_;
};

// The named value of the Connections key carries the program's proxy.
bool IsConnectionConfigured(const std::string& name);

// The LAN uses the program's proxy: its connection settings carry it, or the
// legacy `ProxyEnable`/`ProxyServer` pair switches it on.
bool LanUsesProxy();

// The empty name stands for the LAN. Failures show their message.
bool SetConnectionOptions(BrowserEnv& env, const std::string& name, const std::string& proxy);
bool DisableConnectionProxy(BrowserEnv& env, const std::string& name);

// Configure side of the wizard: the LAN and the chosen connections of `list`.
void SetIEProxy(BrowserEnv& env, bool lanChosen, bool dialUpChosen, const CConnectionList& list);

}  // namespace browser
