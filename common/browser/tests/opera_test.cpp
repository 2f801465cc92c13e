// Opera 6 and 7: finding the settings files, configure, reset and the
// configured test.
#include "common/browser/opera_config.h"
#include "common/browser/proxy_setting_key.h"
#include "common/browser/tests/browser_fixture.h"

namespace browsertest {
namespace {

using browser::COperaConfig;
using browser::kOperaKey;

const char kPlain[] = "Opera Preferences version 2.0\r\n\r\n[User Prefs]\r\nLanguage=en\r\n";
const char kConfigured[] = "[Proxy]\r\nUse HTTP=1\r\nHTTP Server=VelmoraBlinkward:8100\r\n";
const char kUserIni[] = "Docs\\tester\\Application Data\\Opera\\Opera7\\profile\\opera6.ini";

class OperaTest : public BrowserTest {
protected:
    OperaTest() {
        SetRegString(kOperaKey, "Last CommandLine", dir_.path() + "\\Opera6\\Opera.exe");
        SetRegString(kOperaKey, "Last Directory2", dir_.path() + "\\Opera7");
    }
    void Opera6(const std::string& ini) const { dir_.write("Opera6\\opera6.ini", ini); }
    void SingleUser(const std::string& ini) const {
        dir_.write("Opera7\\profile\\opera6.ini", ini);
    }
    void Defaults(const std::string& ini) const { dir_.write("Opera7\\OperaDef6.ini", ini); }
};

TEST_F(OperaTest, ConfiguredFileStaysByteIdentical) {
    Opera6(kConfigured);
    COperaConfig opera(env_, 1, 0);
    EXPECT_TRUE(opera.SetOperaProxy("VelmoraBlinkward", "8100"));
    EXPECT_EQ(kConfigured, dir_.read("Opera6\\opera6.ini"));
    EXPECT_EQ(1, state_.Opera6Configured);
    EXPECT_EQ(1, Flag(browser::kOpera6Flag));
    EXPECT_EQ(-1, Flag(browser::kOpera7Flag));
}

TEST_F(OperaTest, FileWithoutSectionGetsTheBlockOnce) {
    Opera6(kPlain);
    COperaConfig opera(env_, 1, 0);
    ASSERT_TRUE(opera.SetOperaProxy("VelmoraBlinkward", "8100"));
    const std::string expected = std::string(kPlain) + "\r\n" + kConfigured;
    EXPECT_EQ(expected, dir_.read("Opera6\\opera6.ini"));
    ASSERT_TRUE(opera.SetOperaProxy("VelmoraBlinkward", "8100"));
    EXPECT_EQ(expected, dir_.read("Opera6\\opera6.ini"));
}

TEST_F(OperaTest, ResetSwitchesOffAndClearsFlags) {
    Opera6(kConfigured);
    SingleUser(kConfigured);
    state_.Opera6Configured = state_.Opera7Configured = 1;
    COperaConfig opera(env_, 1, 1);
    ASSERT_TRUE(opera.ResetOperaProxy());
    EXPECT_EQ("[Proxy]\r\nUse HTTP=0\r\nHTTP Server\r\n", dir_.read("Opera6\\opera6.ini"));
    EXPECT_FALSE(opera.IsOperaConfigured(opera.Opera6IniPath));
    EXPECT_FALSE(opera.IsOperaConfigured(opera.Opera7IniPath));
    EXPECT_EQ(0, Flag(browser::kOpera6Flag));
    EXPECT_EQ(0, Flag(browser::kOpera7Flag));
    opera.ReadConfiguredState();
    EXPECT_EQ(0, state_.Opera6Configured);
    EXPECT_EQ(0, state_.Opera7Configured);
}

TEST_F(OperaTest, MultiUserFallsBackToTheProgramFolder) {
    SingleUser(kPlain);
    COperaConfig opera(env_, 0, 1);
    EXPECT_EQ(browser::kOperaIniFound, opera.FindOperaIni());
    EXPECT_EQ(dir_.path() + "\\Opera7\\profile\\opera6.ini", opera.Opera7IniPath);
}

TEST_F(OperaTest, MultiUserTakesTheUsersOwnFile) {
    Defaults("[System]\r\nMulti User=1\r\n");
    SingleUser(kPlain);
    COperaConfig opera(env_, 0, 1);
    EXPECT_EQ(browser::kOpera7IniMissing, opera.FindOperaIni());
    dir_.write(kUserIni, kPlain);
    EXPECT_EQ(browser::kOperaIniFound, opera.FindOperaIni());
    EXPECT_EQ(dir_.path() + "\\" + kUserIni, opera.Opera7IniPath);
    ASSERT_TRUE(opera.SetOperaProxy("VelmoraBlinkward", "8100"));
    EXPECT_EQ(kPlain, dir_.read("Opera7\\profile\\opera6.ini"));
    EXPECT_TRUE(opera.IsOperaConfigured(opera.Opera7IniPath));
    EXPECT_EQ(1, Flag(browser::kOpera7Flag));
}

TEST_F(OperaTest, MissingFilesAreReportedAndNothingChanges) {
    COperaConfig opera(env_, 1, 1);
    EXPECT_FALSE(opera.SetOperaProxy("VelmoraBlinkward", "8100"));
    ASSERT_EQ(1u, messages_.errors.size());
    EXPECT_EQ("Error, Failed to set Opera 6 and Opera 7 proxy setting because " + dir_.path() +
                  "\\Opera6\\opera6.ini and " + dir_.path() + "\\" + kUserIni + " don't exist.",
              messages_.errors[0]);
    SingleUser(kConfigured);
    EXPECT_FALSE(opera.ResetOperaProxy());
    EXPECT_EQ("Error, Failed to reset Opera 6 proxy setting because " + dir_.path() +
                  "\\Opera6\\opera6.ini doesn't exist.",
              messages_.errors.back());
    EXPECT_EQ(kConfigured, dir_.read("Opera7\\profile\\opera6.ini"));
    EXPECT_EQ((std::vector<unsigned>{MB_ICONERROR, MB_ICONERROR}), messages_.icons);
}

TEST_F(OperaTest, MissingRegistryValueTouchesNoFile) {
    SHDeleteValueA(HKEY_CURRENT_USER, kOperaKey, "Last Directory2");
    Opera6(kConfigured);
    COperaConfig opera(env_, 1, 1);
    EXPECT_FALSE(opera.ResetOperaProxy());
    EXPECT_EQ(browser::kOperaKeyMissing, opera.FindOperaIni());
    ASSERT_EQ(1u, messages_.errors.size());
    EXPECT_EQ("Error, Failed to set Opera proxy setting because Opera key doesn't exist in the "
              "Registry.",
              messages_.errors[0]);
    EXPECT_EQ(kConfigured, dir_.read("Opera6\\opera6.ini"));
}

TEST_F(OperaTest, DefaultsFileCountsAndIsResetOnlyWhenItCarriesTheProxy) {
    const std::string defaults = "[System]\r\nMulti User=0\r\n" + std::string(kConfigured);
    Defaults(defaults);
    SingleUser(kPlain);
    COperaConfig opera(env_, 0, 1);
    opera.ReadConfiguredState();
    EXPECT_EQ(1, state_.Opera7Configured);
    ASSERT_TRUE(opera.ResetOperaProxy());
    EXPECT_EQ("[System]\r\nMulti User=0\r\n[Proxy]\r\nUse HTTP=0\r\nHTTP Server\r\n",
              dir_.read("Opera7\\OperaDef6.ini"));
    opera.ReadConfiguredState();
    EXPECT_EQ(0, state_.Opera7Configured);

    const std::string foreign = "[System]\r\nMulti User=0\r\n[Proxy]\r\nUse HTTP=1\r\n"
                                "HTTP Server=corp:3128\r\n";
    Defaults(foreign);
    ASSERT_TRUE(opera.ResetOperaProxy());
    EXPECT_EQ(foreign, dir_.read("Opera7\\OperaDef6.ini"));
}

TEST_F(OperaTest, TheUsersOwnProxySurvivesTheOpera7Reset) {
    const std::string own = "[Proxy]\r\nUse HTTP=1\r\nHTTP Server=corp:3128\r\n";
    Defaults("[System]\r\nMulti User=0\r\n" + std::string(kConfigured));
    SingleUser(own);
    state_.Opera7Configured = 1;
    COperaConfig opera(env_, 0, 1);
    ASSERT_TRUE(opera.ResetOperaProxy());
    EXPECT_EQ(own, dir_.read("Opera7\\profile\\opera6.ini"));
    EXPECT_FALSE(opera.IsOperaConfigured(opera.Opera7DefIniPath));
    EXPECT_EQ(0, Flag(browser::kOpera7Flag));
}

TEST_F(OperaTest, AFileThatCannotBeWrittenIsReported) {
    Opera6(kPlain);
    const std::string file = dir_.file("Opera6\\opera6.ini");
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);
    COperaConfig opera(env_, 1, 0);
    EXPECT_FALSE(opera.SetOperaProxy("VelmoraBlinkward", "8100"));
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_EQ(1u, messages_.errors.size());
    EXPECT_EQ("Error, Failed to set Opera proxy setting because " + file + " can't be written.",
              messages_.errors[0]);
    EXPECT_EQ(static_cast<unsigned>(MB_ICONERROR), messages_.icons[0]);
    EXPECT_EQ(kPlain, dir_.read("Opera6\\opera6.ini"));
    EXPECT_EQ(-1, Flag(browser::kOpera6Flag));
}

}  // namespace
}  // namespace browsertest
