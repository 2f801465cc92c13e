#include "popup/core/halvane_settings.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "platform/testkit/scratch.h"
#include "popup/core/tests/fakes.h"

namespace popup {

using ::testing::_;
using ::testing::HasSubstr;
using testkit::DeleteRegValue;
using testkit::RegDword;
using testkit::RegString;
using testkit::RegValueExists;
using testkit::SetRegDword;
using testkit::SetRegString;

namespace {

void Install() {
    SetRegString(HKEY_CURRENT_USER, kProductKey, "Language", "English");
    SetRegString(HKEY_CURRENT_USER, kProductKey, "Path", "C:\\Program Files\\Velmora Blinkward");
    SetRegString(HKEY_CURRENT_USER, kProductKey, "Blocked Popups", "12");
    SetRegString(HKEY_CURRENT_USER, kProductKey, "User Wav Path", "C:\\sounds\\ping.wav");
}

class SettingsTest : public ::testing::Test {
protected:
    testkit::ScratchRegistry registry_{"halvane-settings"};
    CHalvaneSettings settings_;
    MockPrompt prompt_;
    FakeTexts texts_;
};

}  // namespace

TEST_F(SettingsTest, LoadsTheInstalledValuesWithTheirDefaults) {
    Install();
    EXPECT_CALL(prompt_, Show(_, _, _)).Times(0);
    ASSERT_EQ(0, settings_.LoadSettings(prompt_, texts_, "Title"));
    EXPECT_EQ("A", settings_.wizardMessage);
    EXPECT_EQ("English", settings_.language);
    EXPECT_EQ("C:\\Program Files\\Velmora Blinkward", settings_.path);
    EXPECT_EQ("12", settings_.blockedPopups);
    EXPECT_EQ("C:\\sounds\\ping.wav", settings_.userWavPath);
    EXPECT_EQ(0, settings_.closeToTray);
}

TEST_F(SettingsTest, SavedValuesLoadAgain) {
    Install();
    ASSERT_EQ(0, settings_.LoadSettings(prompt_, texts_, "Title"));
    settings_.blockedPopups = "13";
    settings_.userWavPath = "D:\\other.wav";
    settings_.wizardMessage = "N";
    settings_.closeToTray = 1;
    settings_.language = "Deutsch";
    ASSERT_TRUE(settings_.SaveSettings(0));
    EXPECT_EQ("English", RegString(HKEY_CURRENT_USER, kProductKey, "Language"));

    settings_.languageChanged = 1;
    ASSERT_TRUE(settings_.SaveSettings(0));
    CHalvaneSettings loaded;
    ASSERT_EQ(0, loaded.LoadSettings(prompt_, texts_, "Title"));
    EXPECT_EQ("13", loaded.blockedPopups);
    EXPECT_EQ("D:\\other.wav", loaded.userWavPath);
    EXPECT_EQ("N", loaded.wizardMessage);
    EXPECT_EQ(1, loaded.closeToTray);
    EXPECT_EQ("Deutsch", loaded.language);
}

TEST_F(SettingsTest, EachMissingRequiredValueShows6001) {
    for (const char* missing : {"Language", "Path", "Blocked Popups", "User Wav Path"}) {
        SCOPED_TRACE(missing);
        Install();
        DeleteRegValue(HKEY_CURRENT_USER, kProductKey, missing);
        EXPECT_CALL(prompt_, Show(HasSubstr("some files have been corrupted"), "Title", MB_OK))
            .WillOnce(::testing::Return(IDOK));
        CHalvaneSettings settings;
        EXPECT_EQ(-1, settings.LoadSettings(prompt_, texts_, "Title"));
        ::testing::Mock::VerifyAndClearExpectations(&prompt_);
    }
}

TEST_F(SettingsTest, MissingKeyShows6001) {
    EXPECT_CALL(prompt_, Show(HasSubstr("re-install"), _, _)).WillOnce(::testing::Return(IDOK));
    EXPECT_EQ(-1, settings_.LoadSettings(prompt_, texts_, "Title"));
}

TEST_F(SettingsTest, TextTooLongForItsBufferCountsAsMissing) {
    Install();
    SetRegString(HKEY_CURRENT_USER, kProductKey, "Path", std::string(259, 'p'));
    ASSERT_EQ(0, settings_.LoadSettings(prompt_, texts_, "Title"));
    EXPECT_EQ(std::string(259, 'p'), settings_.path);

    SetRegString(HKEY_CURRENT_USER, kProductKey, "Path", std::string(260, 'p'));
    EXPECT_CALL(prompt_, Show(HasSubstr("corrupted"), _, _)).WillOnce(::testing::Return(IDOK));
    CHalvaneSettings settings;
    EXPECT_EQ(-1, settings.LoadSettings(prompt_, texts_, "Title"));
    EXPECT_EQ("", settings.path);
}

TEST_F(SettingsTest, RunValueFollowsTheStartMode) {
    const char* run = kRunKey;
    ASSERT_TRUE(WriteRunValue(2, "C:\\Program Files\\Velmora Blinkward"));
    EXPECT_EQ("\"C:\\Program Files\\Velmora Blinkward\\Halvane.exe\"",
              RegString(HKEY_CURRENT_USER, run, kRunValueName));
    for (int mode : {1, 0}) {
        ASSERT_TRUE(WriteRunValue(mode, "C:\\Program Files\\Velmora Blinkward"));
        EXPECT_TRUE(RegValueExists(HKEY_CURRENT_USER, run, kRunValueName));
        EXPECT_EQ("", RegString(HKEY_CURRENT_USER, run, kRunValueName));
    }
}

TEST_F(SettingsTest, FirstRunIsClearedAsSoonAsItIsRead) {
    Install();
    SetRegDword(HKEY_CURRENT_USER, kProductKey, "FirstRun", 1);
    SetRegDword(HKEY_CURRENT_USER, kProductKey, "ShowAtStart", 1);
    settings_.ReadStartFlags();
    EXPECT_TRUE(settings_.firstRun);
    EXPECT_TRUE(settings_.showAtStart);
    EXPECT_EQ(0, RegDword(HKEY_CURRENT_USER, kProductKey, "FirstRun"));

    CHalvaneSettings next;
    next.ReadStartFlags();
    EXPECT_FALSE(next.firstRun);
}

TEST_F(SettingsTest, TrayNoticeChoiceIsStored) {
    Install();
    ASSERT_TRUE(settings_.WriteShowAtStart(false));
    EXPECT_FALSE(settings_.showAtStart);
    EXPECT_EQ(0, RegDword(HKEY_CURRENT_USER, kProductKey, "ShowAtStart"));
}

}  // namespace popup
