// Internet Explorer: which connections carry the proxy, and the configure
// and reset runs over the LAN and the dial-up connections.
#include "common/browser/connection_list.h"
#include "common/browser/proxy_setting_key.h"
#include "common/browser/tests/browser_fixture.h"

namespace browsertest {
namespace {

using browser::CConnectionList;
using browser::kConnectionsKey;
using browser::kIEProxyString;
using browser::kInternetSettingsKey;

class IEProxyTest : public BrowserTest {
protected:
    IEProxyTest() { SetRegDword(kInternetSettingsKey, "ProxyEnable", 0); }

    void Connection(const char* name, const std::string& blob) const {
        SetRegBytes(kConnectionsKey, name, blob);
    }
    void Configured(const char* name) const { Connection(name, MakeBlob(3, kIEProxyString)); }
    bool Carries(const char* name) const { return browser::IsConnectionConfigured(name); }
    long long Http11() const {
        return testkit::RegDword(reg_.currentUser(), kInternetSettingsKey, "ProxyHttp1.1");
    }

    // A list in the given mode with every selectable entry chosen.
    CConnectionList& Listed(bool setMode) {
        list_.EnumDialUpConnections(setMode);
        for (auto& entry : list_.Entries) entry.Chosen = entry.Greyed ? 0 : 1;
        return list_;
    }

    CConnectionList list_{env_};
};

TEST_F(IEProxyTest, OnlyTheExactProxyWithItsBitOnCounts) {
    Configured("exact");
    Connection("auto detect", MakeBlob(11, kIEProxyString));
    Connection("switched off", MakeBlob(1, kIEProxyString));
    Connection("detect only", MakeBlob(9, kIEProxyString));
    Connection("other case", MakeBlob(3, "http=velmorablinkward:8100"));
    Connection("more schemes", MakeBlob(3, std::string(kIEProxyString) + ";ftp=x:21"));
    Connection("other proxy", MakeBlob(3, "http=proxy:3128"));
    EXPECT_TRUE(Carries("exact"));
    EXPECT_TRUE(Carries("auto detect"));
    for (const char* name : {"switched off", "detect only", "other case", "more schemes",
                             "other proxy", "missing"})
        EXPECT_FALSE(Carries(name)) << name;
}

TEST_F(IEProxyTest, ShortAndOverlongBlobsAreNotConfigured) {
    std::string good = MakeBlob(3, kIEProxyString, 0);
    Connection("header only", good.substr(0, 15));
    Connection("cut text", good.substr(0, 30));
    std::string overlong = good;
    overlong[13] = 1;  // stored length 256 + 26 runs past the end
    Connection("overlong", overlong);
    Connection("large", MakeBlob(3, kIEProxyString, 2000));
    EXPECT_FALSE(Carries("header only"));
    EXPECT_FALSE(Carries("cut text"));
    EXPECT_FALSE(Carries("overlong"));
    EXPECT_TRUE(Carries("large"));
}

TEST_F(IEProxyTest, ListSkipsLanAndSavedSettingsButTheyStillCount) {
    Configured("DefaultConnectionSettings");
    Configured("SavedLegacySettings");
    CConnectionList& list = Listed(true);
    EXPECT_EQ(0, list.Count);
    EXPECT_TRUE(list.Entries.empty());
    EXPECT_TRUE(list.AnyConnectionConfigured());
}

TEST_F(IEProxyTest, NoConnectionsKeyGivesAnEmptyList) {
    CConnectionList& list = Listed(true);
    EXPECT_EQ(0, list.Count);
    EXPECT_FALSE(list.AnyConnectionConfigured());
    EXPECT_FALSE(list.IsIEProxyConfigured());
}

TEST_F(IEProxyTest, ModesGreyOppositeEntries) {
    Configured("work");
    Connection("home", MakeBlob(1, ""));
    CConnectionList& set = Listed(true);
    ASSERT_EQ(2, set.Count);
    EXPECT_EQ(1, set.GreyedCount);
    EXPECT_EQ(0, set.ConfiguredCount);
    CConnectionList& reset = Listed(false);
    EXPECT_EQ(1, reset.GreyedCount);
    EXPECT_EQ(1, reset.ConfiguredCount);
    for (size_t i = 0; i < reset.Entries.size(); ++i)
        EXPECT_EQ(reset.Entries[i].Name == "home" ? 1 : 0, reset.GreyedFlags[i]);
}

TEST_F(IEProxyTest, ProxyIsSeenThroughLanSettingsOrAnyDialUp) {
    CConnectionList list(env_);
    SetRegDword(kInternetSettingsKey, "ProxyEnable", 1);
    SetRegString(kInternetSettingsKey, "ProxyServer", kIEProxyString);
    EXPECT_TRUE(list.IsIEProxyConfigured());
    SetRegDword(kInternetSettingsKey, "ProxyEnable", 0);
    EXPECT_FALSE(list.IsIEProxyConfigured());
    // The LAN proxy is off, only a dial-up connection carries it.
    Configured("modem");
    EXPECT_TRUE(list.IsIEProxyConfigured());
}

TEST_F(IEProxyTest, ConfigureSetsLanAndChosenConnections) {
    Connection("a", MakeBlob(1, ""));
    Connection("b", MakeBlob(1, ""));
    Connection("c", MakeBlob(1, ""));
    CConnectionList& list = Listed(true);
    for (auto& entry : list.Entries) entry.Chosen = entry.Name != "b";
    browser::SetIEProxy(env_, true, true, list);
    EXPECT_EQ(1, Http11());
    EXPECT_TRUE(Carries("DefaultConnectionSettings"));
    EXPECT_TRUE(Carries("a"));
    EXPECT_FALSE(Carries("b"));
    EXPECT_TRUE(Carries("c"));
    EXPECT_EQ(1, state_.LanConfigured);
    EXPECT_EQ(1, state_.DialUpConfigured);
    EXPECT_EQ(1, Flag(browser::kLanFlag));
    EXPECT_EQ(1, Flag(browser::kDialUpFlag));
    EXPECT_EQ(1, writer_.notifications);
    EXPECT_TRUE(messages_.errors.empty());
}

TEST_F(IEProxyTest, FailingConnectionShowsItsErrorAndTheLoopGoesOn) {
    Connection("a", MakeBlob(1, ""));
    Connection("b", MakeBlob(1, ""));
    CConnectionList& list = Listed(true);
    writer_.failing = {list.Entries[0].Name};
    browser::SetIEProxy(env_, false, true, list);
    ASSERT_EQ(1u, messages_.errors.size());
    EXPECT_EQ("Error, Failed to set Internet Explorer proxy setting.", messages_.errors[0]);
    EXPECT_TRUE(Carries(list.Entries[1].Name.c_str()));
    EXPECT_EQ(1, Flag(browser::kDialUpFlag));
    EXPECT_EQ(-1, Flag(browser::kLanFlag));
}

TEST_F(IEProxyTest, Http11IsWrittenEvenWhenEveryCallFails) {
    Connection("a", MakeBlob(1, ""));
    CConnectionList& list = Listed(true);
    writer_.failing = {"", "a"};
    browser::SetIEProxy(env_, true, true, list);
    EXPECT_EQ(1, Http11());
    EXPECT_EQ(2u, messages_.errors.size());
    EXPECT_EQ(0, state_.LanConfigured);
    EXPECT_EQ(-1, Flag(browser::kLanFlag));
    EXPECT_EQ(-1, Flag(browser::kDialUpFlag));
}

TEST_F(IEProxyTest, WithoutInternetSettingsNothingHappens) {
    SHDeleteKeyA(HKEY_CURRENT_USER, kInternetSettingsKey);
    CConnectionList& list = Listed(true);
    browser::SetIEProxy(env_, true, false, list);
    list.ResetIEProxy(true, false);
    EXPECT_TRUE(writer_.calls.empty());
    EXPECT_EQ(0, writer_.notifications);
    EXPECT_FALSE(testkit::RegValueExists(reg_.currentUser(), kInternetSettingsKey, "ProxyHttp1.1"));
}

TEST_F(IEProxyTest, DialUpFlagClearsOnlyWithTheLastConfiguredConnection) {
    Configured("one");
    Configured("two");
    Configured("three");
    state_.DialUpConfigured = 1;
    CConnectionList& list = Listed(false);
    ASSERT_EQ(3, list.ConfiguredCount);
    list.Entries[2].Chosen = 0;
    list.ResetIEProxy(false, true);
    EXPECT_EQ(0, Http11());
    EXPECT_EQ(1, list.ConfiguredCount);
    EXPECT_EQ(1, state_.DialUpConfigured);
    EXPECT_FALSE(testkit::RegValueExists(reg_.currentUser(), browser::kProxySettingKey,
                                         browser::kDialUpFlag));
    for (auto& entry : list.Entries) entry.Chosen = entry.Name == list.Entries[2].Name;
    list.ResetIEProxy(false, true);
    EXPECT_EQ(0, state_.DialUpConfigured);
    EXPECT_EQ(0, Flag(browser::kDialUpFlag));
    EXPECT_FALSE(list.AnyConnectionConfigured());
}

TEST_F(IEProxyTest, FailedResetKeepsTheDialUpFlag) {
    Configured("one");
    Configured("two");
    state_.DialUpConfigured = 1;
    CConnectionList& list = Listed(false);
    writer_.failing = {"one"};
    list.ResetIEProxy(false, true);
    EXPECT_EQ(1, state_.DialUpConfigured);
    EXPECT_TRUE(Carries("one"));
    EXPECT_FALSE(Carries("two"));
    ASSERT_EQ(1u, messages_.errors.size());
    EXPECT_EQ("Error, Failed to reset Internet Explorer proxy setting.", messages_.errors[0]);
}

TEST_F(IEProxyTest, UninstallerResetTakesTheLanAndEveryConfiguredConnection) {
    Configured("DefaultConnectionSettings");
    Configured("one");
    Configured("two");
    Connection("plain", MakeBlob(1, "http=proxy:80"));
    state_.LanConfigured = state_.DialUpConfigured = 1;
    CConnectionList list(env_);
    list.ResetIEProxy();
    EXPECT_EQ(3u, writer_.calls.size());
    EXPECT_FALSE(list.AnyConnectionConfigured());
    EXPECT_EQ(0, Flag(browser::kLanFlag));
    EXPECT_EQ(0, Flag(browser::kDialUpFlag));
    EXPECT_EQ(1, writer_.notifications);
}

TEST_F(IEProxyTest, UninstallerLeavesALanProxyThatIsNotOurs) {
    Connection("DefaultConnectionSettings", MakeBlob(3, "http=corp:3128"));
    Configured("one");
    state_.DialUpConfigured = 1;
    CConnectionList list(env_);
    list.ResetIEProxy();
    EXPECT_EQ(std::vector<std::string>{"direct one"}, writer_.calls);
    EXPECT_FALSE(Carries("one"));
    EXPECT_EQ(0, Flag(browser::kDialUpFlag));

    // A flag an older run stored does not make the user's proxy ours.
    SetRegDword(browser::kProxySettingKey, browser::kLanFlag, 1);
    state_.LanConfigured = 1;
    list.ResetIEProxy();
    EXPECT_EQ(std::vector<std::string>{"direct one"}, writer_.calls);
    EXPECT_EQ(0, Flag(browser::kLanFlag));

    // Switched on through the settings every version reads: ours after all.
    SetRegDword(kInternetSettingsKey, "ProxyEnable", 1);
    SetRegString(kInternetSettingsKey, "ProxyServer", kIEProxyString);
    list.ResetIEProxy();
    EXPECT_EQ("direct ", writer_.calls.back());
}

}  // namespace
}  // namespace browsertest
