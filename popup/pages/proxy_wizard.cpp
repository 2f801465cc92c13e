#include "popup/pages/proxy_wizard.h"

namespace popup {

ProxyWizardModel::ProxyWizardModel(WizardMode mode, BrowserStateSource& state, ProxyWriters& writers,
                                   PageSettings& settings, PageHost& host,
                                   const lang::TextSource& texts)
    : mode_(mode), state_(state), writers_(writers), settings_(settings), host_(host),
      texts_(texts) {}

void ProxyWizardModel::InitBrowsersPage() {
    state_.Refresh();
}

bool ProxyWizardModel::Selectable(bool installed, bool configured) const {
    return installed && (SetMode() ? !configured : configured);
}

bool ProxyWizardModel::Opera6Selectable() const {
    const BrowserState f = state_.Current();
    return Selectable(f.Opera6Installed, f.Opera6Configured);
}

bool ProxyWizardModel::Opera7Selectable() const {
    const BrowserState f = state_.Current();
    return Selectable(f.Opera7Installed, f.Opera7Configured);
}

BrowsersPageView ProxyWizardModel::BrowsersView() const {
    const BrowserState f = state_.Current();
    const bool ieConfigured = f.LanConfigured || f.DialUpConfigured || f.IEProxyConfigured;
    BrowsersPageView view;
    view.ieEnabled = SetMode() ? !ieConfigured : ieConfigured;
    view.netscapeEnabled = Selectable(f.NetscapeInstalled, f.NetscapeConfigured);
    view.operaEnabled = Opera6Selectable() || Opera7Selectable();
    if (SetMode()) {
        view.heading = {"2901", "Choose the browsers you want to set their proxy server."};
        view.note = {"2905",
                     "The disabled browsers are either not installed in your system or their "
                     "proxy settings were set before."};
    } else {
        if (f.AnyConfigured()) {
            view.heading = {"2906", "Choose the browsers you want to reset their proxy server."};
        } else {
            view.heading = {"2907", "You haven't any configured browser to reset it."};
            view.finishOnly = true;
        }
        view.note = {"2908",
                     "The disabled browsers are either not installed in your system or their "
                     "proxy settings aren't set."};
    }
    view.noteVisible = !view.ieEnabled || !view.netscapeEnabled || !view.operaEnabled;
    return view;
}

void ProxyWizardModel::ChooseIE(bool on) {
    ie_ = on && BrowsersView().ieEnabled;
}

void ProxyWizardModel::ChooseNetscape(bool on) {
    netscape_ = on && BrowsersView().netscapeEnabled;
}

void ProxyWizardModel::ChooseOpera(bool on) {
    opera_ = on && BrowsersView().operaEnabled;
}

void ProxyWizardModel::InitConnectionsPage() {
    if (connectionsListed_) return;
    connections_.Fill(writers_.ListDialUpConnections(SetMode()));
    connectionsListed_ = true;
}

ConnectionsPageView ProxyWizardModel::ConnectionsView() const {
    ConnectionsPageView view;
    view.operaVisible = opera_;
    view.opera6Enabled = opera_ && Opera6Selectable();
    view.opera7Enabled = opera_ && Opera7Selectable();
    view.ieVisible = ie_;
    const int greyed = connections_.GreyedCount();
    view.dialUpEnabled = ie_ && greyed < static_cast<int>(connections_.Count());
    view.listEnabled = view.dialUpEnabled && dialUp_;
    view.greyNoteVisible = ie_ && greyed > 0;
    view.noteVisible = (opera_ && (!view.opera6Enabled || !view.opera7Enabled)) ||
                       (ie_ && !view.dialUpEnabled);
    if (SetMode()) {
        view.greyNote = {"3007",
                         "The gray dial up connections were set before, so you can't select them."};
        view.note = {"3010",
                     "The disabled items are either not installed in your system or were "
                     "configured before."};
    } else {
        view.greyNote = {"3011", "The gray dial up connections aren't set, so you can't select them."};
        view.note = {"3012",
                     "The disabled browsers are either not installed in your system or their "
                     "proxy settings aren't set."};
    }
    return view;
}

void ProxyWizardModel::ChooseLan(bool on) {
    lan_ = on;
}

void ProxyWizardModel::ChooseDialUp(bool on) {
    dialUp_ = on && ConnectionsView().dialUpEnabled;
}

void ProxyWizardModel::ChooseOpera6(bool on) {
    opera6_ = on && Opera6Selectable();
}

void ProxyWizardModel::ChooseOpera7(bool on) {
    opera7_ = on && Opera7Selectable();
}

void ProxyWizardModel::InitProfilesPage() {
    if (profilesListed_) return;
    profiles_.Fill(writers_.ListNetscapeProfiles(SetMode()));
    profilesListed_ = true;
}

ProfilesPageView ProxyWizardModel::ProfilesView() const {
    ProfilesPageView view;
    view.greyNoteVisible = profiles_.GreyedCount() > 0;
    view.greyNote = SetMode()
        ? TextRef{"3102", "The gray Profiles were set before, so you can't select them."}
        : TextRef{"3103", "The gray Profiles aren't set, so you can't select them."};
    return view;
}

bool ProxyWizardModel::NextEnabled(WizardPage page) const {
    switch (page) {
    case kBrowsersPage:
        return ie_ || netscape_ || opera_;
    case kConnectionsPage: {
        if (!ie_ && !opera_) return false;
        const bool ieReady = lan_ || (dialUp_ && connections_.CheckedCount() > 0);
        const bool operaReady = opera6_ || opera7_;
        return (!ie_ || ieReady) && (!opera_ || operaReady);
    }
    case kProfilesPage:
        return profiles_.CheckedCount() > 0;
    case kFinishPage:
        return false;
    }
    return false;
}

WizardPage ProxyWizardModel::NextPage(WizardPage from) const {
    switch (from) {
    case kBrowsersPage:
        return (ie_ || opera_) ? kConnectionsPage : kProfilesPage;
    case kConnectionsPage:
        return netscape_ ? kProfilesPage : kFinishPage;
    default:
        return kFinishPage;
    }
}

WizardPage ProxyWizardModel::BackPage(WizardPage from) const {
    switch (from) {
    case kProfilesPage:
        return (ie_ || opera_) ? kConnectionsPage : kBrowsersPage;
    case kFinishPage:
        return netscape_ ? kProfilesPage : kConnectionsPage;
    default:
        return kBrowsersPage;
    }
}

void ProxyWizardModel::Finish() {
    if (ie_) {
        if (SetMode())
            writers_.SetIEProxy(lan_, dialUp_, connections_.Ticks());
        else
            writers_.ResetIEProxy(lan_, dialUp_, connections_.Ticks());
    }
    if (netscape_) {
        const ProfileWrites writes = SetMode()
            ? writers_.SetNetscapeProxyAll(kProxyHost, kProxyPort, profiles_.Ticks())
            : writers_.ResetNetscapeProxyAll(profiles_.Ticks());
        if (writes.changed) ShowNetscapeNotice(writes.all);
    }
    if (opera_) {
        if (SetMode())
            writers_.SetOperaProxy(opera6_, opera7_, kProxyHost, kProxyPort);
        else
            writers_.ResetOperaProxy(opera6_, opera7_);
    }
}

void ProxyWizardModel::ShowNetscapeNotice(bool allWritten) {
    // "Set successfully" only when every chosen profile now uses the proxy;
    // otherwise (a failure, already reported, or the reset side) only that
    // what was written takes effect at the next start.
    if (SetMode() && allWritten && state_.Current().NetscapeConfigured) {
        host_.Prompt().Inform(texts_.Text("2240",
                                          "Netscape proxy has been set successfully. Settings "
                                          "Will take effect from the second launch for Netscape."),
                              texts_.Text("2239", "Netscape Proxy Setting"));
        return;
    }
    host_.Prompt().Inform(
        texts_.Text("2257", "Netscape settings will take effect from the second launch"),
        SetMode() ? texts_.Text("2239", "Netscape Proxy Setting")
                  : texts_.Text("2258", "Reset Netscape Proxy Settings"));
}

void ProxyWizardModel::Cancel() {
    settings_.SetWizardMessage("A");
}

}  // namespace popup
