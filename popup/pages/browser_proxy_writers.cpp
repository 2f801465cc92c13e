#include "popup/pages/browser_proxy_writers.h"

#include "common/browser/opera_config.h"

namespace popup {

namespace {

template <typename Entry>
std::vector<ui::ListRow> RowsOf(const std::vector<Entry>& entries) {
    std::vector<ui::ListRow> rows;
    for (const Entry& entry : entries) rows.push_back({entry.Name, entry.Greyed != 0});
    return rows;
}

template <typename Entry>
void Choose(std::vector<Entry>& entries, const std::vector<bool>& chosen) {
    for (size_t i = 0; i < entries.size(); ++i)
        entries[i].Chosen = i < chosen.size() && chosen[i] && !entries[i].Greyed ? 1 : 0;
}

}  // namespace

BrowserProxyWriters::BrowserProxyWriters(BrowserStateSource& browsers,
                                         const lang::TextSource& texts,
                                         ui::MessagePrompt& messages,
                                         const std::string& caption,
                                         browser::ConnectionOptionWriter& options,
                                         const browser::ProfileBases& bases)
    : browsers_(browsers), state_(browsers.Current()),
      env_{texts, messages, state_, options, bases, caption}, connections_(env_), profiles_(env_) {}

std::vector<ui::ListRow> BrowserProxyWriters::ListDialUpConnections(bool setMode) {
    connections_.EnumDialUpConnections(setMode);
    return RowsOf(connections_.Entries);
}

std::vector<ui::ListRow> BrowserProxyWriters::ListNetscapeProfiles(bool setMode) {
    profiles_.ListNetscapeProfiles(setMode);
    return RowsOf(profiles_.Entries);
}

void BrowserProxyWriters::SetIEProxy(bool lan, bool dialUp, const std::vector<bool>& chosen) {
    Choose(connections_.Entries, chosen);
    browser::SetIEProxy(env_, lan, dialUp, connections_);
    browsers_.Refresh();
}

void BrowserProxyWriters::ResetIEProxy(bool lan, bool dialUp, const std::vector<bool>& chosen) {
    Choose(connections_.Entries, chosen);
    connections_.ResetIEProxy(lan, dialUp);
    browsers_.Refresh();
}

ProfileWrites BrowserProxyWriters::SetNetscapeProxyAll(const std::string& host,
                                                       const std::string& port,
                                                       const std::vector<bool>& chosen) {
    Choose(profiles_.Entries, chosen);
    ProfileWrites writes;
    writes.all = profiles_.SetNetscapeProxyAll(host, port);
    browsers_.Refresh();
    writes.changed = profiles_.Changed != 0;
    return writes;
}

ProfileWrites BrowserProxyWriters::ResetNetscapeProxyAll(const std::vector<bool>& chosen) {
    Choose(profiles_.Entries, chosen);
    ProfileWrites writes;
    writes.all = profiles_.ResetNetscapeProxyAll();
    browsers_.Refresh();
    writes.changed = profiles_.Changed != 0;
    return writes;
}

void BrowserProxyWriters::SetOperaProxy(bool opera6, bool opera7, const std::string& host,
                                        const std::string& port) {
    browser::COperaConfig(env_, opera6, opera7).SetOperaProxy(host, port);
    browsers_.Refresh();
}

void BrowserProxyWriters::ResetOperaProxy(bool opera6, bool opera7) {
    browser::COperaConfig(env_, opera6, opera7).ResetOperaProxy();
    browsers_.Refresh();
}

}  // namespace popup
