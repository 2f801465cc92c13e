#pragma once
// The wizard's writers over the browser configuration classes: Internet
// Explorer's connections, the Netscape/Mozilla profiles and Opera's settings
// files. They start from the program's browser state flags and have the
// program read them again after each write.
#include "common/browser/connection_list.h"
#include "common/browser/netscape_profiles.h"
#include "popup/pages/browser_state.h"
#include "popup/pages/proxy_writers.h"

namespace popup {

class BrowserProxyWriters : public ProxyWriters {
public:
    BrowserProxyWriters(BrowserStateSource& browsers, const lang::TextSource& texts,
                        ui::MessagePrompt& messages, const std::string& caption,
                        browser::ConnectionOptionWriter& options,
                        const browser::ProfileBases& bases);
    BrowserProxyWriters(const BrowserProxyWriters&) = delete;
    BrowserProxyWriters& operator=(const BrowserProxyWriters&) = delete;

    std::vector<ui::ListRow> ListDialUpConnections(bool setMode) override;
    std::vector<ui::ListRow> ListNetscapeProfiles(bool setMode) override;
    void SetIEProxy(bool lan, bool dialUp, const std::vector<bool>& chosen) override;
    void ResetIEProxy(bool lan, bool dialUp, const std::vector<bool>& chosen) override;
    ProfileWrites SetNetscapeProxyAll(const std::string& host, const std::string& port,
                                      const std::vector<bool>& chosen) override;
    ProfileWrites ResetNetscapeProxyAll(const std::vector<bool>& chosen) override;
    void SetOperaProxy(bool opera6, bool opera7, const std::string& host,
                       const std::string& port) override;
    void ResetOperaProxy(bool opera6, bool opera7) override;

private:
    BrowserStateSource& browsers_;
    browser::BrowserState state_;
    browser::BrowserEnv env_;
    browser::CConnectionList connections_;
    browser::CNetscapeProfiles profiles_;
};

}  // namespace popup
