// Netscape and Mozilla: profile discovery, the configured test, configure
// and reset over several profiles.
#include "common/browser/mozilla_prefs.h"
#include "common/browser/netscape_profiles.h"
#include "common/browser/proxy_setting_key.h"
#include "common/browser/tests/browser_fixture.h"

namespace browsertest {
namespace {

using browser::CNetscapeProfiles;
using browser::ProfileEntry;

const char kPrefs[] =
    "# Mozilla User Preferences\r\n"
    "user_pref(\"browser.startup.homepage\", \"about:blank\");\r\n"
    "user_pref(\"network.proxy.http\", \"corp\");\r\n"
    "user_pref(\"network.proxy.http_port\", 3128);\r\n"
    "user_pref(\"network.proxy.type\", 0);\r\n";
const char kConfiguredPrefs[] =
    "user_pref(\"network.proxy.http\", \"VelmoraBlinkward\");\n"
    "user_pref(\"network.proxy.http_port\", 8100);\n"
    "user_pref(\"network.proxy.type\", 1);\n";

// The file without its lines that set network.proxy preferences.
std::string WithoutProxyLines(const std::string& text) {
    std::string kept;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        std::string line = text.substr(start, end - start);
        if (browser::PrefNameOf(line).compare(0, 14, "network.proxy.") != 0) kept += line;
        start = end;
    }
    return kept;
}

class NetscapeTest : public BrowserTest {
protected:
    // "<scratch>\Docs\tester\Application Data\Mozilla\" relative to the scratch folder.
    static std::string Mozilla() { return "Docs\\tester\\Application Data\\Mozilla\\"; }
    static std::string DataFolder(const std::string& name) {
        return Mozilla() + "Profiles\\" + name + "\\x1y2.slt\\";
    }
    void Profile(const std::string& name, const std::string& prefs) const {
        dir_.write(DataFolder(name) + "prefs.js", prefs);
    }
    ProfileEntry* Find(const std::string& name) {
        for (auto& entry : profiles_.Entries)
            if (entry.Name == name) return &entry;
        return nullptr;
    }
    // "alpha" and "beta" in the expected state, every line but the proxy
    // lines as they were.
    void ExpectProfiles(CNetscapeProfiles& profiles, bool configured, const std::string& user) {
        for (const char* name : {"alpha", "beta"}) {
            EXPECT_EQ(configured, profiles.IsNetscapeProfileConfigured(*Find(name))) << name;
            EXPECT_EQ(WithoutProxyLines(kPrefs),
                      WithoutProxyLines(dir_.read(DataFolder(name) + "prefs.js")));
        }
        EXPECT_EQ(WithoutProxyLines(user),
                  WithoutProxyLines(dir_.read(DataFolder("alpha") + "user.js")));
    }
    void ChooseAll() {
        for (auto& entry : profiles_.Entries) entry.Chosen = entry.Greyed ? 0 : 1;
    }

    CNetscapeProfiles profiles_{env_};
};

TEST_F(NetscapeTest, ConfigureThenResetTwoProfilesKeepsEverythingElse) {
    const std::string user = "user_pref(\"mail.check\", true);\r\n// own line\r\n";
    Profile("alpha", kPrefs);
    Profile("beta", kPrefs);
    dir_.write(DataFolder("alpha") + "user.js", user);
    profiles_.ListNetscapeProfiles(true);
    ASSERT_EQ(2, profiles_.Count);
    EXPECT_EQ(0, profiles_.GreyedCount);
    ChooseAll();
    profiles_.SetNetscapeProxyAll("VelmoraBlinkward", "8100");
    EXPECT_EQ(1, profiles_.Changed);
    EXPECT_EQ(1, state_.NetscapeConfigured);
    EXPECT_EQ(1, Flag(browser::kNetscapeFlag));
    ExpectProfiles(profiles_, true, user);

    CNetscapeProfiles reset(env_);
    reset.ListNetscapeProfiles(false);
    ASSERT_EQ(2, reset.ConfiguredCount);
    for (auto& entry : reset.Entries) entry.Chosen = 1;
    reset.ResetNetscapeProxyAll();
    EXPECT_EQ(0, state_.NetscapeConfigured);
    EXPECT_EQ(0, Flag(browser::kNetscapeFlag));
    ExpectProfiles(reset, false, user);
    EXPECT_TRUE(messages_.errors.empty());
}

TEST_F(NetscapeTest, CommentsSharedLinesAndFileMarksStayTheUsers) {
    // Files named like the data folder are no data folder.
    for (const char* file : {"a.slt", "b.slt", "c.slt"})
        dir_.write(Mozilla() + "Profiles\\own\\" + file, "not a folder");
    Profile("own", "user_pref(\"a\", 1); user_pref(\"network.proxy.http\", \"corp\"); // mine\n"
                   "user_pref(\"network.proxy.http_port\", 3128);\n");
    const std::string comment = "/* tried once:\nuser_pref(\"network.proxy.http\", \"x\");\n*/\n";
    dir_.write(DataFolder("own") + "user.js",
               comment + "user_pref(\"network.proxy.type\", 0); user_pref(\"mail.check\", true);\n"
                         "# user_pref(\"network.proxy.http_port\", 80);\n/* left open");
    const DWORD marks = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    for (const char* file : {"user.js", "prefs.js"})
        SetFileAttributesA(dir_.file(DataFolder("own") + file).c_str(), marks);
    profiles_.ListNetscapeProfiles(true);
    ChooseAll();
    ASSERT_TRUE(profiles_.SetNetscapeProxyAll("VelmoraBlinkward", "8100"));
    EXPECT_TRUE(profiles_.IsNetscapeProfileConfigured(*Find("own")));
    EXPECT_EQ(comment + "user_pref(\"network.proxy.type\", 1); user_pref(\"mail.check\", true);\n"
                        "# user_pref(\"network.proxy.http_port\", 80);\n/* left open*/\n"
                        "user_pref(\"network.proxy.http\", \"VelmoraBlinkward\");\n"
                        "user_pref(\"network.proxy.http_port\", 8100);",
              dir_.read(DataFolder("own") + "user.js"));
    EXPECT_EQ("user_pref(\"a\", 1); // mine\nuser_pref(\"network.proxy.http_port\", 3128);\n",
              dir_.read(DataFolder("own") + "prefs.js"));
    for (const char* file : {"user.js", "prefs.js"})
        EXPECT_EQ(marks, GetFileAttributesA(dir_.file(DataFolder("own") + file).c_str()) & marks)
            << file;
}

TEST_F(NetscapeTest, OnlyTheExactLinesCount) {
    Profile("spaced", "user_pref(\"network.proxy.http\",\"VelmoraBlinkward\");\n"
                      "user_pref(\"network.proxy.http_port\",8100);\n"
                      "user_pref(\"network.proxy.type\",1);\n");
    Profile("exact", kConfiguredPrefs);
    profiles_.ListNetscapeProfiles(true);
    EXPECT_FALSE(profiles_.IsNetscapeProfileConfigured(*Find("spaced")));
    EXPECT_TRUE(profiles_.IsNetscapeProfileConfigured(*Find("exact")));
    EXPECT_EQ(1, profiles_.GreyedCount);
    EXPECT_TRUE(profiles_.EnumMozillaProfiles());
}

TEST_F(NetscapeTest, UserJsAloneMakesAProfileConfigured) {
    Profile("fresh", kPrefs);
    dir_.write(DataFolder("fresh") + "user.js", kConfiguredPrefs);
    EXPECT_TRUE(profiles_.EnumMozillaProfiles());
    profiles_.ListNetscapeProfiles(false);
    EXPECT_EQ(1, profiles_.ConfiguredCount);
}

TEST_F(NetscapeTest, MissingPrefsJsIsReportedAndOthersStillRun) {
    dir_.write(Mozilla() + "Profiles\\empty\\q.slt\\user.js", "");
    Profile("good", kPrefs);
    profiles_.ListNetscapeProfiles(true);
    ChooseAll();
    profiles_.SetNetscapeProxyAll("VelmoraBlinkward", "8100");
    ASSERT_EQ(1u, messages_.errors.size());
    EXPECT_EQ("Error, Failed to set Netscape's profile empty proxy setting because " +
                  dir_.path() + "\\" + Mozilla() + "Profiles\\empty\\q.slt\\prefs.js doesn't exist.",
              messages_.errors[0]);
    EXPECT_EQ("", dir_.read(Mozilla() + "Profiles\\empty\\q.slt\\user.js"));
    EXPECT_TRUE(profiles_.IsNetscapeProfileConfigured(*Find("good")));
}

TEST_F(NetscapeTest, ResettingOneOfTwoLeavesTheFlag) {
    Profile("one", kConfiguredPrefs);
    Profile("two", kConfiguredPrefs);
    state_.NetscapeConfigured = 1;
    profiles_.ListNetscapeProfiles(false);
    Find("one")->Chosen = 1;
    profiles_.ResetNetscapeProxyAll();
    EXPECT_EQ(1, state_.NetscapeConfigured);
    EXPECT_EQ(-1, Flag(browser::kNetscapeFlag));
    EXPECT_TRUE(profiles_.EnumMozillaProfiles());
    Find("one")->Chosen = 0;
    Find("two")->Chosen = 1;
    profiles_.ResetNetscapeProxyAll();
    EXPECT_EQ(0, state_.NetscapeConfigured);
    EXPECT_FALSE(profiles_.EnumMozillaProfiles());
}

TEST_F(NetscapeTest, RegistryFileAddsOutsideProfilesOnce) {
    Profile("inside", kPrefs);
    dir_.write("Elsewhere\\outside\\ab.slt\\prefs.js", kConfiguredPrefs);
    const std::string marker("directory\0", 10);
    std::string inside = dir_.path() + "\\" + DataFolder("inside");
    inside.pop_back();
    for (char& c : inside) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    dir_.write(Mozilla() + "registry.dat",
               "hdr" + marker + inside + std::string(1, '\0') + marker + dir_.path() +
                   "\\Elsewhere\\outside\\ab.slt" + std::string(1, '\0') + marker + "C:\\x");
    profiles_.ListNetscapeProfiles(true);
    ASSERT_EQ(2, profiles_.Count);
    ASSERT_NE(nullptr, Find("outside"));
    EXPECT_EQ(1, Find("outside")->Greyed);
    EXPECT_EQ(0, Find("inside")->Greyed);
    CNetscapeProfiles check(env_);
    EXPECT_TRUE(check.EnumMozillaProfiles());
}

TEST_F(NetscapeTest, UninstallerResetTouchesOnlyConfiguredProfiles) {
    Profile("a", kPrefs);
    Profile("b", kConfiguredPrefs);
    Profile("c", kPrefs);
    profiles_.ListNetscapeProfiles(false);
    profiles_.ResetAllConfigured();
    EXPECT_FALSE(dir_.exists(DataFolder("a") + "user.js"));
    EXPECT_TRUE(dir_.exists(DataFolder("b") + "user.js"));
    EXPECT_FALSE(dir_.exists(DataFolder("c") + "user.js"));
    EXPECT_EQ(0, Flag(browser::kNetscapeFlag));
}

TEST_F(NetscapeTest, AReadOnlyUserJsKeepsTheUsersProxyInPrefsJsAndIsReported) {
    Profile("locked", kPrefs);
    Profile("open", kPrefs);
    const std::string userJs = dir_.file(DataFolder("locked") + "user.js");
    dir_.write(DataFolder("locked") + "user.js", "user_pref(\"a\", 1);\n");
    SetFileAttributesA(userJs.c_str(), FILE_ATTRIBUTE_READONLY);
    profiles_.ListNetscapeProfiles(true);
    ChooseAll();
    EXPECT_FALSE(profiles_.SetNetscapeProxyAll("VelmoraBlinkward", "8100"));
    SetFileAttributesA(userJs.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ("user_pref(\"a\", 1);\n", dir_.read(DataFolder("locked") + "user.js"));
    EXPECT_EQ(kPrefs, dir_.read(DataFolder("locked") + "prefs.js"));
    ASSERT_EQ(1u, messages_.errors.size());
    EXPECT_EQ("Error, Failed to set Netscape's profile locked proxy setting because " + userJs +
                  " can't be written.",
              messages_.errors[0]);
    // The other profile is still configured.
    EXPECT_TRUE(profiles_.IsNetscapeProfileConfigured(*Find("open")));
    EXPECT_EQ(1, Flag(browser::kNetscapeFlag));

    // A prefs.js that cannot be edited does not stop user.js, which wins anyway.
    const std::string prefsJs = dir_.file(DataFolder("locked") + "prefs.js");
    SetFileAttributesA(prefsJs.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(profiles_.WriteNetscapeProxyPrefs("VelmoraBlinkward", "8100", *Find("locked")));
    SetFileAttributesA(prefsJs.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(kPrefs, dir_.read(DataFolder("locked") + "prefs.js"));
    EXPECT_TRUE(profiles_.IsNetscapeProfileConfigured(*Find("locked")));
}

TEST_F(NetscapeTest, AFailedResetIsReported) {
    Profile("locked", kConfiguredPrefs);
    const std::string userJs = dir_.file(DataFolder("locked") + "user.js");
    dir_.write(DataFolder("locked") + "user.js", kConfiguredPrefs);
    SetFileAttributesA(userJs.c_str(), FILE_ATTRIBUTE_READONLY);
    state_.NetscapeConfigured = 1;
    profiles_.ListNetscapeProfiles(false);
    ChooseAll();
    EXPECT_FALSE(profiles_.ResetNetscapeProxyAll());
    SetFileAttributesA(userJs.c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_EQ(1u, messages_.errors.size());
    EXPECT_EQ("Error, Failed to reset Netscape's profile locked proxy setting because " + userJs +
                  " can't be written.",
              messages_.errors[0]);
    EXPECT_EQ(1, state_.NetscapeConfigured);
}

TEST_F(NetscapeTest, UnknownWindowsVersionKeepsNoEarlierProfilesPaths) {
    Profile("old", kPrefs);
    profiles_.ListNetscapeProfiles(true);
    ASSERT_TRUE(profiles_.FindMozillaProfileFolder(*Find("old")));
    ScopedOsVersion later(VER_PLATFORM_WIN32_NT, 6, 0);
    EXPECT_FALSE(profiles_.FindMozillaProfileFolder(*Find("old")));
    EXPECT_EQ("", profiles_.PrefsJsPath);
    EXPECT_EQ("", profiles_.UserJsPath);
}

TEST_F(NetscapeTest, NoMozillaFolderMeansNoProfiles) {
    profiles_.ListNetscapeProfiles(true);
    EXPECT_EQ(0, profiles_.Count);
    EXPECT_FALSE(profiles_.EnumMozillaProfiles());
}

}  // namespace
}  // namespace browsertest
