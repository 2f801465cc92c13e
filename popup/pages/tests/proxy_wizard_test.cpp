#include "popup/pages/proxy_wizard.h"

#include <gtest/gtest.h>

#include "common/os/os_version.h"
#include "platform/testkit/scratch.h"
#include "popup/pages/browser_proxy_writers.h"
#include "popup/pages/tests/fakes.h"

namespace popup {

namespace {

struct RecordingWriters : ProxyWriters {
    std::vector<ui::ListRow> connections, profiles;
    std::vector<std::string> calls;
    std::vector<bool> chosen;
    ProfileWrites netscape{true, true};
    FakeBrowserState* state = nullptr;
    bool netscapeConfiguredAfter = true;

    std::vector<ui::ListRow> ListDialUpConnections(bool setMode) override {
        calls.push_back(setMode ? "list connections set" : "list connections reset");
        return connections;
    }
    std::vector<ui::ListRow> ListNetscapeProfiles(bool setMode) override {
        calls.push_back(setMode ? "list profiles set" : "list profiles reset");
        return profiles;
    }
    void SetIEProxy(bool lan, bool dialUp, const std::vector<bool>& c) override {
        calls.push_back(std::string("set ie ") + (lan ? "lan " : "") + (dialUp ? "dialup" : ""));
        chosen = c;
    }
    void ResetIEProxy(bool lan, bool dialUp, const std::vector<bool>& c) override {
        calls.push_back(std::string("reset ie ") + (lan ? "lan " : "") + (dialUp ? "dialup" : ""));
        chosen = c;
    }
    ProfileWrites SetNetscapeProxyAll(const std::string& host, const std::string& port,
                                      const std::vector<bool>& c) override {
        calls.push_back("set netscape " + host + ":" + port);
        chosen = c;
        if (state) state->flags.NetscapeConfigured = netscapeConfiguredAfter;
        return netscape;
    }
    ProfileWrites ResetNetscapeProxyAll(const std::vector<bool>& c) override {
        calls.push_back("reset netscape");
        chosen = c;
        if (state) state->flags.NetscapeConfigured = netscapeConfiguredAfter;
        return netscape;
    }
    void SetOperaProxy(bool o6, bool o7, const std::string& host, const std::string& port) override {
        calls.push_back(std::string("set opera") + (o6 ? " 6" : "") + (o7 ? " 7" : "") + " " +
                        host + ":" + port);
    }
    void ResetOperaProxy(bool o6, bool o7) override {
        calls.push_back(std::string("reset opera") + (o6 ? " 6" : "") + (o7 ? " 7" : ""));
    }
};

class ProxyWizardTest : public ::testing::Test {
protected:
    ProxyWizardTest() {
        writers.state = &state;
        state.flags.NetscapeInstalled = true;
        state.flags.Opera6Installed = true;
        state.flags.Opera7Installed = true;
    }
    ProxyWizardModel Make(WizardMode mode) {
        return ProxyWizardModel(mode, state, writers, settings, host, texts);
    }

    FakeBrowserState state;
    RecordingWriters writers;
    FakeSettings settings;
    RecordingHost host;
    FakeTexts texts;
};

TEST_F(ProxyWizardTest, ResetWithNothingConfiguredOffersOnlyFinishAndChangesNothing) {
    ProxyWizardModel wizard = Make(WizardMode::Reset);
    wizard.InitBrowsersPage();
    EXPECT_EQ(1, state.refreshes);
    const BrowsersPageView view = wizard.BrowsersView();
    EXPECT_STREQ("2907", view.heading.key);
    EXPECT_TRUE(view.finishOnly);
    EXPECT_FALSE(view.ieEnabled || view.netscapeEnabled || view.operaEnabled);
    EXPECT_TRUE(view.noteVisible);
    wizard.ChooseIE(true);
    wizard.ChooseNetscape(true);
    wizard.ChooseOpera(true);
    EXPECT_FALSE(wizard.NextEnabled(kBrowsersPage));
    wizard.Finish();
    EXPECT_TRUE(writers.calls.empty());
    EXPECT_TRUE(host.infos.empty());
}

TEST_F(ProxyWizardTest, ResetModeOffersExactlyTheConfiguredBrowsers) {
    state.flags.DialUpConfigured = true;
    state.flags.Opera7Configured = true;
    ProxyWizardModel wizard = Make(WizardMode::Reset);
    const BrowsersPageView view = wizard.BrowsersView();
    EXPECT_STREQ("2906", view.heading.key);
    EXPECT_FALSE(view.finishOnly);
    EXPECT_TRUE(view.ieEnabled);
    EXPECT_FALSE(view.netscapeEnabled);
    EXPECT_TRUE(view.operaEnabled);
    wizard.ChooseOpera(true);
    wizard.InitConnectionsPage();
    const ConnectionsPageView page2 = wizard.ConnectionsView();
    EXPECT_FALSE(page2.opera6Enabled);
    EXPECT_TRUE(page2.opera7Enabled);
    EXPECT_TRUE(page2.noteVisible);
    EXPECT_STREQ("3012", page2.note.key);
}

TEST_F(ProxyWizardTest, SetModeWithInternetExplorerConfiguredDisablesItsBox) {
    state.flags.LanConfigured = true;
    ProxyWizardModel wizard = Make(WizardMode::Set);
    const BrowsersPageView view = wizard.BrowsersView();
    EXPECT_STREQ("2901", view.heading.key);
    EXPECT_FALSE(view.ieEnabled);
    EXPECT_TRUE(view.netscapeEnabled);
    EXPECT_TRUE(view.operaEnabled);
    EXPECT_TRUE(view.noteVisible);
    wizard.ChooseIE(true);
    EXPECT_FALSE(wizard.IEChosen());
    EXPECT_FALSE(wizard.NextEnabled(kBrowsersPage));
}

TEST_F(ProxyWizardTest, SetModeWithEverythingSelectableHidesTheNote) {
    ProxyWizardModel wizard = Make(WizardMode::Set);
    EXPECT_FALSE(wizard.BrowsersView().noteVisible);
    state.flags.NetscapeInstalled = false;
    EXPECT_FALSE(wizard.BrowsersView().netscapeEnabled);
    EXPECT_TRUE(wizard.BrowsersView().noteVisible);
}

TEST_F(ProxyWizardTest, NetscapeOnlySkipsTheConnectionsPageBothWays) {
    ProxyWizardModel wizard = Make(WizardMode::Set);
    wizard.ChooseNetscape(true);
    EXPECT_TRUE(wizard.NextEnabled(kBrowsersPage));
    EXPECT_EQ(kProfilesPage, wizard.NextPage(kBrowsersPage));
    EXPECT_EQ(kFinishPage, wizard.NextPage(kProfilesPage));
    EXPECT_EQ(kProfilesPage, wizard.BackPage(kFinishPage));
    EXPECT_EQ(kBrowsersPage, wizard.BackPage(kProfilesPage));
}

TEST_F(ProxyWizardTest, WithoutNetscapeTheProfilesPageIsSkippedBothWays) {
    ProxyWizardModel wizard = Make(WizardMode::Set);
    wizard.ChooseOpera(true);
    EXPECT_EQ(kConnectionsPage, wizard.NextPage(kBrowsersPage));
    EXPECT_EQ(kFinishPage, wizard.NextPage(kConnectionsPage));
    EXPECT_EQ(kConnectionsPage, wizard.BackPage(kFinishPage));
    wizard.ChooseNetscape(true);
    EXPECT_EQ(kProfilesPage, wizard.NextPage(kConnectionsPage));
    EXPECT_EQ(kConnectionsPage, wizard.BackPage(kProfilesPage));
}

TEST_F(ProxyWizardTest, ConnectionsNextFollowsTheRuleForEveryCombination) {
    writers.connections = {{"Work", false}, {"Home", false}};
    // ie, opera, lan, dialUp, ticked row, opera6, opera7 -> Next
    struct Row {
        bool ie, opera, lan, dialUp, ticked, o6, o7, next;
    };
    const Row rows[] = {
        {false, false, true, true, true, true, true, false},
        {true, false, false, false, false, false, false, false},
        {true, false, true, false, false, false, false, true},
        {true, false, false, true, false, false, false, false},
        {true, false, false, true, true, false, false, true},
        {true, false, false, false, true, false, false, false},
        {false, true, false, false, false, false, false, false},
        {false, true, false, false, false, true, false, true},
        {false, true, false, false, false, false, true, true},
        {true, true, true, false, false, false, false, false},
        {true, true, false, false, false, true, false, false},
        {true, true, true, false, false, false, true, true},
        {true, true, false, true, true, true, true, true},
        {true, true, false, true, false, true, false, false},
    };
    for (const Row& r : rows) {
        ProxyWizardModel wizard = Make(WizardMode::Set);
        wizard.ChooseIE(r.ie);
        wizard.ChooseOpera(r.opera);
        wizard.InitConnectionsPage();
        wizard.ChooseLan(r.lan);
        wizard.ChooseDialUp(r.dialUp);
        wizard.ChooseOpera6(r.o6);
        wizard.ChooseOpera7(r.o7);
        if (r.ticked) wizard.Connections().Toggle(1);
        EXPECT_EQ(r.next, wizard.NextEnabled(kConnectionsPage))
            << r.ie << r.opera << r.lan << r.dialUp << r.ticked << r.o6 << r.o7;
    }
}

TEST_F(ProxyWizardTest, GreyedRowsAreNeverTickedAndTheCountFollowsTheRows) {
    ui::CheckList list;
    list.Fill({{"A", false}, {"B", true}, {"C", false}});
    EXPECT_EQ(1, list.GreyedCount());
    EXPECT_FALSE(list.Toggle(1));          // mouse or space bar
    EXPECT_FALSE(list.SetChecked(1, true));  // the control's own toggle, reported back
    EXPECT_EQ(0, list.CheckedCount());
    list.CheckAll();
    EXPECT_EQ(2, list.CheckedCount());
    EXPECT_FALSE(list.IsChecked(1));
    // Repeated clicks and keys on one row never drift the count.
    list.Toggle(0);
    list.Toggle(0);
    list.Toggle(0);
    list.SetChecked(2, true);
    list.SetChecked(2, true);
    EXPECT_EQ(1, list.CheckedCount());
    list.UncheckAll();
    EXPECT_EQ(0, list.CheckedCount());
    EXPECT_FALSE(list.Toggle(7));
}

TEST_F(ProxyWizardTest, DialUpIsDisabledWhenEveryConnectionIsGreyed) {
    writers.connections = {{"Work", true}};
    ProxyWizardModel wizard = Make(WizardMode::Set);
    wizard.ChooseIE(true);
    wizard.InitConnectionsPage();
    ConnectionsPageView view = wizard.ConnectionsView();
    EXPECT_TRUE(view.ieVisible);
    EXPECT_FALSE(view.dialUpEnabled);
    EXPECT_TRUE(view.greyNoteVisible);
    EXPECT_STREQ("3007", view.greyNote.key);
    EXPECT_TRUE(view.noteVisible);
    wizard.ChooseDialUp(true);
    EXPECT_FALSE(wizard.DialUpChosen());
    wizard.Connections().CheckAll();
    EXPECT_FALSE(wizard.NextEnabled(kConnectionsPage));
    EXPECT_FALSE(view.operaVisible);
}

TEST_F(ProxyWizardTest, ListsAreFilledOnceInTheWizardsMode) {
    writers.connections = {{"Work", false}};
    writers.profiles = {{"default", false}};
    ProxyWizardModel wizard = Make(WizardMode::Reset);
    wizard.InitConnectionsPage();
    wizard.Connections().Toggle(0);
    wizard.InitConnectionsPage();
    wizard.InitProfilesPage();
    wizard.InitProfilesPage();
    EXPECT_EQ((std::vector<std::string>{"list connections reset", "list profiles reset"}),
              writers.calls);
    EXPECT_TRUE(wizard.Connections().IsChecked(0));
    EXPECT_STREQ("3103", wizard.ProfilesView().greyNote.key);
}

TEST_F(ProxyWizardTest, ProfilesNextNeedsATickedProfile) {
    writers.profiles = {{"default", true}, {"work", false}};
    ProxyWizardModel wizard = Make(WizardMode::Set);
    wizard.ChooseNetscape(true);
    wizard.InitProfilesPage();
    EXPECT_TRUE(wizard.ProfilesView().greyNoteVisible);
    EXPECT_FALSE(wizard.NextEnabled(kProfilesPage));
    wizard.Profiles().CheckAll();
    EXPECT_TRUE(wizard.NextEnabled(kProfilesPage));
    EXPECT_EQ((std::vector<bool>{false, true}), wizard.Profiles().Ticks());
}

TEST_F(ProxyWizardTest, SetModeFinishCallsEveryChosenWriter) {
    writers.connections = {{"Work", false}, {"Home", true}, {"Mobile", false}};
    writers.profiles = {{"default", false}};
    ProxyWizardModel wizard = Make(WizardMode::Set);
    wizard.ChooseIE(true);
    wizard.ChooseNetscape(true);
    wizard.ChooseOpera(true);
    wizard.InitConnectionsPage();
    wizard.ChooseDialUp(true);
    wizard.Connections().Toggle(2);
    wizard.ChooseOpera6(true);
    wizard.InitProfilesPage();
    wizard.Profiles().Toggle(0);
    wizard.Finish();
    EXPECT_EQ((std::vector<std::string>{"list connections set", "list profiles set", "set ie dialup",
                                        "set netscape VelmoraBlinkward:8100",
                                        "set opera 6 VelmoraBlinkward:8100"}),
              writers.calls);
    ASSERT_EQ(2u, host.infos.size());
    EXPECT_EQ("Netscape Proxy Setting", host.infos[1]);
}

TEST_F(ProxyWizardTest, ResetModeFinishCallsTheResetSides) {
    state.flags.LanConfigured = true;
    state.flags.NetscapeConfigured = true;
    state.flags.Opera6Configured = true;
    state.flags.Opera7Configured = true;
    writers.netscapeConfiguredAfter = false;
    ProxyWizardModel wizard = Make(WizardMode::Reset);
    wizard.ChooseIE(true);
    wizard.ChooseNetscape(true);
    wizard.ChooseOpera(true);
    wizard.ChooseLan(true);
    wizard.ChooseOpera6(true);
    wizard.ChooseOpera7(true);
    wizard.Finish();
    EXPECT_EQ((std::vector<std::string>{"reset ie lan ", "reset netscape", "reset opera 6 7"}),
              writers.calls);
    ASSERT_EQ(2u, host.infos.size());
    EXPECT_EQ("Reset Netscape Proxy Settings", host.infos[1]);
}

TEST_F(ProxyWizardTest, NoNetscapeNoticeWhenNoProfileWasWritten) {
    writers.netscape.changed = false;
    ProxyWizardModel wizard = Make(WizardMode::Set);
    wizard.ChooseNetscape(true);
    wizard.Finish();
    EXPECT_TRUE(host.infos.empty());
}

TEST_F(ProxyWizardTest, SetSuccessfullyOnlyWhenEveryProfileWasWrittenOnTheSetSide) {
    const struct {
        WizardMode mode;
        bool all;
        const char* text;
        const char* caption;
    } rows[] = {
        {WizardMode::Set, true, "Netscape proxy has been set successfully", "Netscape Proxy Setting"},
        {WizardMode::Set, false, "Netscape settings will take effect", "Netscape Proxy Setting"},
        // Another profile stays configured after the reset.
        {WizardMode::Reset, true, "Netscape settings will take effect",
         "Reset Netscape Proxy Settings"},
    };
    for (const auto& row : rows) {
        state.flags.NetscapeConfigured = row.mode == WizardMode::Reset;
        writers.netscape.all = row.all;
        host.infos.clear();
        ProxyWizardModel wizard = Make(row.mode);
        wizard.ChooseNetscape(true);
        wizard.Finish();
        ASSERT_EQ(2u, host.infos.size());
        EXPECT_EQ(0u, host.infos[0].find(row.text)) << host.infos[0];
        EXPECT_EQ(row.caption, host.infos[1]);
    }
}

class NoConnections : public browser::ConnectionOptionWriter {
public:
    bool SetProxy(const std::string&, const std::string&, const std::string&) override {
        return false;
    }
    bool SetDirect(const std::string&) override { return false; }
    void NotifyChanged() override {}
};

void FakeXp(OSVERSIONINFOA& info) {
    info = OSVERSIONINFOA{sizeof(OSVERSIONINFOA), 5, 1, 2600, VER_PLATFORM_WIN32_NT, ""};
}

TEST_F(ProxyWizardTest, OneFailingProfileOfTwoGivesItsErrorAndNoSuccessBox) {
    testkit::ScratchRegistry registry("wizard-profiles");
    testkit::ScratchDir dir("wizard-profiles");
    SetOsVersionSource(FakeXp);
    const std::string profiles = "Docs\\tester\\Application Data\\Mozilla\\Profiles\\";
    for (const char* name : {"open", "locked"})
        dir.write(profiles + name + "\\x.slt\\prefs.js", "user_pref(\"a\", 1);\n");
    const std::string lockedUserJs = dir.file(profiles + "locked\\x.slt\\user.js");
    dir.write(profiles + "locked\\x.slt\\user.js", "");
    SetFileAttributesA(lockedUserJs.c_str(), FILE_ATTRIBUTE_READONLY);
    NoConnections options;
    BrowserProxyWriters real(state, texts, host, "caption", options,
                             {dir.file("win"), dir.path() + "\\Docs", "tester"});
    ProxyWizardModel wizard(WizardMode::Set, state, real, settings, host, texts);
    wizard.ChooseNetscape(true);
    wizard.InitProfilesPage();
    wizard.Profiles().CheckAll();
    state.flags.NetscapeConfigured = true;  // as the reader finds the profile that was written
    wizard.Finish();
    SetFileAttributesA(lockedUserJs.c_str(), FILE_ATTRIBUTE_NORMAL);
    SetOsVersionSource(nullptr);
    ASSERT_EQ(4u, host.infos.size());
    EXPECT_EQ("Error, Failed to set Netscape's profile locked proxy setting because " +
                  lockedUserJs + " can't be written.",
              host.infos[0]);
    EXPECT_EQ(0u, host.infos[2].find("Netscape settings will take effect from the second launch"));
}

TEST_F(ProxyWizardTest, CancelMakesStartUpAskAgain) {
    ProxyWizardModel wizard = Make(WizardMode::Set);
    wizard.Cancel();
    EXPECT_EQ("A", settings.wizardMessage);
    EXPECT_TRUE(writers.calls.empty());
}

}  // namespace

}  // namespace popup
