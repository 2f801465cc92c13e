#pragma once
// The proxy configuration wizard without its windows: which browsers may be
// chosen in set and reset mode, the choices, the check lists, which page
// follows which, when Next is allowed, and what Finish hands to the
// browser writers.
#include "common/lang/text_source.h"
#include "popup/pages/browser_state.h"
#include "platform/ui/widgets/check_list.h"
#include "popup/pages/page_host.h"
#include "popup/pages/page_settings.h"
#include "popup/pages/proxy_writers.h"
#include "popup/pages/text_ref.h"

namespace popup {

enum WizardPage {
    kBrowsersPage = 0,
    kConnectionsPage = 1,
    kProfilesPage = 2,
    kFinishPage = 3,
};

// The host alias and port every browser is pointed at.
constexpr const char* kProxyHost = "VelmoraBlinkward";
constexpr const char* kProxyPort = "8100";

struct BrowsersPageView {
    bool ieEnabled = false;
    bool netscapeEnabled = false;
    bool operaEnabled = false;
    TextRef heading{"", ""};
    TextRef note{"", ""};
    bool noteVisible = false;  // some browser box is disabled
    bool finishOnly = false;   // reset mode with nothing to reset
};

struct ConnectionsPageView {
    bool operaVisible = false;  // Opera version group
    bool opera6Enabled = false;
    bool opera7Enabled = false;
    bool ieVisible = false;     // connection type group, list and its buttons
    bool dialUpEnabled = false;
    bool listEnabled = false;   // list, Check All, Uncheck All, grey note
    bool greyNoteVisible = false;
    bool noteVisible = false;
    TextRef greyNote{"", ""};
    TextRef note{"", ""};
};

struct ProfilesPageView {
    bool greyNoteVisible = false;
    TextRef greyNote{"", ""};
};

class ProxyWizardModel {
public:
    ProxyWizardModel(WizardMode mode, BrowserStateSource& state, ProxyWriters& writers,
                     PageSettings& settings, PageHost& host, const lang::TextSource& texts);

    WizardMode Mode() const { return mode_; }
    bool SetMode() const { return mode_ == WizardMode::Set; }

    // Browsers page: refreshes the installed-browser detection.
    void InitBrowsersPage();
    BrowsersPageView BrowsersView() const;
    // A disabled box cannot be chosen.
    void ChooseIE(bool on);
    void ChooseNetscape(bool on);
    void ChooseOpera(bool on);
    bool IEChosen() const { return ie_; }
    bool NetscapeChosen() const { return netscape_; }
    bool OperaChosen() const { return opera_; }

    // Connections page: lists the dial-up connections the first time.
    void InitConnectionsPage();
    ConnectionsPageView ConnectionsView() const;
    void ChooseLan(bool on);
    void ChooseDialUp(bool on);
    void ChooseOpera6(bool on);
    void ChooseOpera7(bool on);
    bool LanChosen() const { return lan_; }
    bool DialUpChosen() const { return dialUp_; }
    bool Opera6Chosen() const { return opera6_; }
    bool Opera7Chosen() const { return opera7_; }
    ui::CheckList& Connections() { return connections_; }

    // Profiles page: lists the Netscape/Mozilla profiles the first time.
    void InitProfilesPage();
    ProfilesPageView ProfilesView() const;
    ui::CheckList& Profiles() { return profiles_; }

    bool NextEnabled(WizardPage page) const;
    WizardPage NextPage(WizardPage from) const;
    WizardPage BackPage(WizardPage from) const;

    // Hands the choices to the browser writers.
    void Finish();
    // The start-up prompt asks again next time.
    void Cancel();

private:
    bool Opera6Selectable() const;
    bool Opera7Selectable() const;
    bool Selectable(bool installed, bool configured) const;
    void ShowNetscapeNotice(bool allWritten);

    WizardMode mode_;
    BrowserStateSource& state_;
    ProxyWriters& writers_;
    PageSettings& settings_;
    PageHost& host_;
    const lang::TextSource& texts_;

    bool ie_ = false, netscape_ = false, opera_ = false;
    bool lan_ = false, dialUp_ = false, opera6_ = false, opera7_ = false;
    bool connectionsListed_ = false, profilesListed_ = false;
    ui::CheckList connections_;
    ui::CheckList profiles_;
};

}  // namespace popup
