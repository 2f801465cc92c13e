#include "popup/pages/options_page.h"

#include <gtest/gtest.h>

#include "platform/testkit/scratch.h"
#include "popup/pages/tests/fakes.h"

namespace popup {

namespace {

struct FakeMutex : InstanceMutex {
    std::string name = "Velmora Blinkward.com";
    bool taken = false;
    std::vector<std::string> created;
    std::string Name() const override { return name; }
    bool Recreate(const std::string& newName) override {
        if (taken) return false;
        created.push_back(newName);
        name = newName;
        return true;
    }
};

class OptionsPageTest : public ::testing::Test {
protected:
    OptionsPageTest() : dir("options-page") { settings.folder = dir.path(); }

    std::string Sound(const std::string& name) { return dir.path() + "\\Sounds\\" + name; }

    testkit::ScratchDir dir;
    FakeSettings settings;
    RecordingHost host;
    FakeMutex mutex;
    OptionsPageModel page{settings, host, mutex};
};

TEST_F(OptionsPageTest, StartupRadiosWriteTwoOneZero) {
    page.OnStartupMode(StartupRadio::WindowsStartup);
    EXPECT_EQ(2, settings.startup);
    EXPECT_EQ(StartupRadio::WindowsStartup, page.StartupTicked());
    page.OnStartupMode(StartupRadio::IEStartup);
    EXPECT_EQ(1, settings.startup);
    EXPECT_EQ(StartupRadio::IEStartup, page.StartupTicked());
    page.OnStartupMode(StartupRadio::ManualStart);
    EXPECT_EQ(0, settings.startup);
    EXPECT_EQ(StartupRadio::ManualStart, page.StartupTicked());
    EXPECT_EQ(3, host.modified);
}

TEST_F(OptionsPageTest, SoundControlsAreDisabledWhileTheAlertIsOff) {
    settings.playWave = false;
    EXPECT_FALSE(page.SoundControlsEnabled());
    settings.playWave = true;
    EXPECT_TRUE(page.SoundControlsEnabled());
}

TEST_F(OptionsPageTest, SoundsOfTheFolderWithDefaultFirst) {
    dir.write("Sounds\\Bell.wav", "x");
    dir.write("Sounds\\Default.wav", "x");
    settings.wavPath = Sound("Bell.wav");
    page.RefreshControls();
    const std::vector<std::string>& entries = page.Sounds().Entries();
    ASSERT_EQ(3u, entries.size());
    EXPECT_EQ("Default", entries[0]);
    EXPECT_EQ("Bell", entries[1]);
    EXPECT_EQ("*** Custom Sound ***", entries[2]);
    EXPECT_EQ(1, page.Sounds().Selected());
    EXPECT_EQ("Bell.wav", page.Sounds().CurrentName());
    EXPECT_FALSE(page.Sounds().CustomSoundAdded());
    page.OnSoundChange(0);
    EXPECT_EQ(Sound("Default.wav"), settings.wavPath);
    EXPECT_EQ("Default.wav", page.Sounds().CurrentName());
    // Refreshing again lists each sound once.
    page.RefreshControls();
    EXPECT_EQ(3u, page.Sounds().Entries().size());
}

TEST_F(OptionsPageTest, SoundOutsideTheFolderIsListedBeforeTheCustomEntry) {
    dir.write("Sounds\\Default.wav", "x");
    settings.wavPath = "C:\\Music\\Gong.wav";
    page.RefreshControls();
    EXPECT_EQ((std::vector<std::string>{"Default", "Gong", "*** Custom Sound ***"}),
              page.Sounds().Entries());
    EXPECT_EQ(1, page.Sounds().Selected());
    EXPECT_TRUE(page.Sounds().CustomSoundAdded());
    // Going back to it after another choice brings back its own path.
    page.OnSoundChange(0);
    page.OnSoundChange(1);
    EXPECT_EQ("C:\\Music\\Gong.wav", settings.wavPath);
}

TEST_F(OptionsPageTest, ASecondCustomSoundReplacesTheFirst) {
    dir.write("Sounds\\Default.wav", "x");
    dir.write("Sounds\\Bell.wav", "x");
    settings.wavPath = Sound("Default.wav");
    page.RefreshControls();
    page.OnSoundChange(2);  // the custom entry: the window opens its file dialog
    EXPECT_EQ(Sound("Default.wav"), settings.wavPath);
    page.OnCustomSoundChosen("D:\\a\\First.wav");
    EXPECT_EQ((std::vector<std::string>{"Default", "Bell", "First", "*** Custom Sound ***"}),
              page.Sounds().Entries());
    EXPECT_EQ(2, page.Sounds().Selected());
    page.OnCustomSoundChosen("D:\\b\\Second.wav");
    EXPECT_EQ((std::vector<std::string>{"Default", "Bell", "Second", "*** Custom Sound ***"}),
              page.Sounds().Entries());
    EXPECT_EQ("D:\\b\\Second.wav", settings.wavPath);
    EXPECT_EQ("Second.wav", page.Sounds().CurrentName());
    page.OnCustomSoundChosen("");  // the file dialog was cancelled
    EXPECT_EQ("D:\\b\\Second.wav", settings.wavPath);
}

TEST_F(OptionsPageTest, MissingFlagFallsBackToDefaultPicture) {
    dir.write("Language\\English.ini", "[VelmoraBlinkward]\n");
    dir.write("Language\\Deutsch.ini", "[VelmoraBlinkward]\n");
    dir.write("Flags\\English.bmp", "BM");
    dir.write("Flags\\default.bmp", "BM");
    page.FillLanguageCombo();
    const std::vector<LanguageItem>& languages = page.Languages();
    ASSERT_EQ(2u, languages.size());
    for (const LanguageItem& item : languages) {
        const std::string expected = item.name == "English" ? "English.bmp" : "default.bmp";
        EXPECT_EQ(dir.path() + "\\Flags\\" + expected, item.flagFile) << item.name;
    }
}

TEST_F(OptionsPageTest, WithoutAnyFlagTheEntryHasNoPicture) {
    dir.write("Language\\English.ini", "");
    page.FillLanguageCombo();
    ASSERT_EQ(1u, page.Languages().size());
    EXPECT_EQ("", page.Languages()[0].flagFile);
}

TEST_F(OptionsPageTest, LanguageIsSelectedByNameOrFirst) {
    dir.write("Language\\Deutsch.ini", "");
    page.FillLanguageCombo();
    settings.language = "Klingon";
    page.RefreshControls();
    EXPECT_EQ(0, page.LanguageSelected());
}

TEST_F(OptionsPageTest, LanguageChangeKeepsTheMutexWhenItsNameStays) {
    dir.write("Language\\English.ini", "");
    dir.write("Language\\Deutsch.ini", "");
    page.FillLanguageCombo();
    const int deutsch = page.Languages()[0].name == "Deutsch" ? 0 : 1;
    page.OnLanguageChange(deutsch);
    EXPECT_TRUE(mutex.created.empty());
    EXPECT_EQ("Deutsch", settings.language);
    EXPECT_TRUE(settings.languageChanged);
    EXPECT_EQ(std::vector<int>{WM_LANGUAGE_CHANGED}, host.posted);
    // Choosing the language in use again keeps the change to be saved.
    page.OnLanguageChange(deutsch);
    EXPECT_TRUE(settings.languageChanged);
    EXPECT_EQ(1u, host.posted.size());
}

TEST_F(OptionsPageTest, LanguageChangeKeepsTheMutexOfTheDefaultName) {
    dir.write("Language\\Deutsch.ini", "");
    page.FillLanguageCombo();
    page.OnLanguageChange(0);
    EXPECT_TRUE(mutex.created.empty());
    EXPECT_EQ("Deutsch", settings.language);
}

TEST_F(OptionsPageTest, LanguageChangeTakesTheDefaultNameBackOrEndsTheProgram) {
    dir.write("Language\\Deutsch.ini", "");
    page.FillLanguageCombo();
    mutex.name = "Velmora Blinkward.de";
    page.OnLanguageChange(0);
    EXPECT_EQ(std::vector<std::string>{"Velmora Blinkward.com"}, mutex.created);
    EXPECT_FALSE(host.ended);

    settings.language = "English";
    mutex.name = "Velmora Blinkward.de";
    mutex.taken = true;
    page.OnLanguageChange(0);
    EXPECT_TRUE(host.ended);
    EXPECT_EQ("English", settings.language);
}

TEST_F(OptionsPageTest, AlwaysOnTopAndCloseToTray) {
    page.OnAlwaysOnTop(true);
    EXPECT_TRUE(settings.onTop);
    EXPECT_EQ(std::vector<int>{WM_ON_TOP_CHANGED}, host.posted);
    page.OnCloseToTray(true);
    EXPECT_TRUE(settings.closeToTray);
    EXPECT_EQ(2, host.modified);
}

}  // namespace

}  // namespace popup
