#include "popup/pages/popup_page.h"

#include <gtest/gtest.h>

#include "popup/pages/tests/fakes.h"
#include "popup/pages/tests/recording_cleaner.h"

namespace popup {

namespace {

class PopupPageTest : public ::testing::Test {
protected:
    PopupPageTest() { host.state = &state; }

    // Cleaner passes run so far (each begins with "attach").
    int Passes() {
        worker.Wait();
        int passes = 0;
        for (const std::string& call : cleaner.Calls()) passes += call == "attach";
        return passes;
    }

    // A reactivation that found no configured browser: catching off, the
    // box unticked, the user told and the main window notified.
    void ExpectCatchingSwitchedOffWithMessage() {
        EXPECT_FALSE(settings.catching);
        EXPECT_FALSE(page.CatchTicked());
        ASSERT_EQ(2u, host.infos.size());
        EXPECT_EQ("Catching Pop-Ups is disabled as there's not any configured browser.",
                  host.infos[0]);
        EXPECT_EQ(std::vector<int>{WM_CATCHING_CHANGED}, host.posted);
    }

    FakeSettings settings;
    FakeBrowserState state;
    RecordingHost host;
    FakeTexts texts;
    FakeHosts hosts;
    RecordingCleaner cleaner;
    CleanerWorker worker{cleaner, state};
    PopupPageModel page{settings, state, host, texts, hosts, worker};
};

TEST_F(PopupPageTest, CatchingWithNothingConfiguredUnticksWithMessageAndStillCleans) {
    page.OnEnableCatch(true);
    EXPECT_FALSE(page.CatchTicked());
    EXPECT_FALSE(settings.catching);
    EXPECT_FALSE(page.SoundEnabled());
    ASSERT_EQ(2u, host.infos.size());
    EXPECT_EQ("You can't enable Catching Pop-Ups as you didn't configure your browser(s).\n"
              "Please go to Popups page to configure your browser(s).",
              host.infos[0]);
    EXPECT_EQ("Velmora Blinkward", host.infos[1]);
    EXPECT_TRUE(page.BlinkTimerRunning());
    EXPECT_EQ(std::vector<int>{WM_CATCHING_CHANGED}, host.posted);
    EXPECT_EQ(1, host.modified);
    EXPECT_EQ(1, Passes());
    EXPECT_EQ((std::vector<std::string>{"options", "attach"}), cleaner.Calls());
}

TEST_F(PopupPageTest, SwitchingCatchingOnAndOffStartsAWorkerEachTime) {
    state.flags.LanConfigured = true;
    page.OnEnableCatch(true);
    EXPECT_TRUE(settings.catching);
    EXPECT_TRUE(page.SoundEnabled());
    EXPECT_TRUE(host.infos.empty());
    EXPECT_FALSE(page.BlinkTimerRunning());
    EXPECT_EQ(1, Passes());
    page.OnEnableCatch(false);
    EXPECT_FALSE(settings.catching);
    EXPECT_FALSE(page.SoundEnabled());
    EXPECT_EQ(2, Passes());
}

TEST_F(PopupPageTest, RefreshWithCatchingOnStartsNoWorker) {
    settings.catching = true;
    settings.banner = true;
    settings.playWave = true;
    state.flags.Opera7Configured = true;
    page.OnInitDialog();
    EXPECT_TRUE(page.CatchTicked());
    EXPECT_TRUE(page.BannerTicked());
    EXPECT_TRUE(page.SoundTicked());
    EXPECT_TRUE(page.SoundEnabled());
    EXPECT_EQ(0, Passes());
    EXPECT_TRUE(host.wizards.empty());
    page.OnEnableCatch(false);
    EXPECT_EQ(1, Passes());
}

TEST_F(PopupPageTest, StartUpRequestOpensTheWizardInSetMode) {
    settings.openWizard = true;
    page.OnInitDialog();
    EXPECT_EQ(std::vector<WizardMode>{WizardMode::Set}, host.wizards);
}

TEST_F(PopupPageTest, ReactivationWithoutConfiguredBrowserSwitchesCatchingOff) {
    settings.catching = true;
    page.OnSetActive();
    ExpectCatchingSwitchedOffWithMessage();
    EXPECT_TRUE(page.BlinkTimerRunning());
}

TEST_F(PopupPageTest, ReactivationAfterTheReadSwitchedCatchingOffStillUnticksWithMessage) {
    state.flags.LanConfigured = true;
    state.switchesOff = &settings;
    settings.catching = true;
    page.RefreshControls();
    ASSERT_TRUE(page.CatchTicked());
    host.posted.clear();

    state.flags.LanConfigured = false;
    page.OnSetActive();
    ExpectCatchingSwitchedOffWithMessage();
}

TEST_F(PopupPageTest, WarningBlinksOnlyWhileNoBrowserIsConfigured) {
    page.OnSetActive();
    page.OnTimer();
    EXPECT_TRUE(page.WarningVisible());
    page.OnTimer();
    EXPECT_FALSE(page.WarningVisible());
    page.OnTimer();
    EXPECT_TRUE(page.WarningVisible());
    state.flags.NetscapeConfigured = true;
    page.OnTimer();
    EXPECT_FALSE(page.WarningVisible());
}

TEST_F(PopupPageTest, SetProxyThatConfiguresABrowserStopsTheWarningAndOffersCatching) {
    page.OnSetActive();
    host.afterWizard.LanConfigured = true;
    page.OnSetProxy();
    EXPECT_FALSE(page.BlinkTimerRunning());
    EXPECT_FALSE(page.WarningVisible());
    ASSERT_EQ(1u, host.questions.size());
    EXPECT_TRUE(settings.catching);
    EXPECT_TRUE(page.CatchTicked());
    EXPECT_EQ(std::vector<int>{WM_CATCHING_CHANGED}, host.posted);
}

TEST_F(PopupPageTest, SetProxyThatConfiguresNothingKeepsBlinkingAndAsksNothing) {
    page.OnSetActive();
    page.OnSetProxy();
    EXPECT_TRUE(page.BlinkTimerRunning());
    EXPECT_TRUE(host.questions.empty());
}

TEST_F(PopupPageTest, ResetProxyOfTheLastBrowserSwitchesCatchingOff) {
    state.flags.LanConfigured = true;
    page.OnEnableCatch(true);
    host.posted.clear();
    page.OnResetProxy();
    EXPECT_EQ(std::vector<WizardMode>{WizardMode::Reset}, host.wizards);
    EXPECT_TRUE(page.BlinkTimerRunning());
    EXPECT_FALSE(settings.catching);
    ASSERT_EQ(2u, host.infos.size());
    EXPECT_EQ(std::vector<int>{WM_CATCHING_CHANGED}, host.posted);
}

TEST_F(PopupPageTest, ResetProxyLeavingABrowserConfiguredChangesNothing) {
    state.flags.LanConfigured = true;
    page.OnEnableCatch(true);
    host.afterWizard.Opera6Configured = true;
    page.OnResetProxy();
    EXPECT_TRUE(settings.catching);
    EXPECT_FALSE(page.BlinkTimerRunning());
}

TEST_F(PopupPageTest, BannerBlockingGoesThroughHostsAndTellsTheMainWindow) {
    page.OnBannerBlocking(true);
    EXPECT_EQ(std::vector<bool>{true}, hosts.applied);
    EXPECT_TRUE(settings.banner);
    EXPECT_TRUE(page.BannerTicked());
    EXPECT_EQ(std::vector<int>{WM_AD_BLOCKING_CHANGED}, host.posted);
    EXPECT_EQ(1, host.modified);
}

TEST_F(PopupPageTest, MissingHostsUnticksBannerBlockingWithMessageAndRunsOn) {
    hosts.result = AdBlockResult::HostsMissing;
    page.OnBannerBlocking(true);
    EXPECT_FALSE(settings.banner);
    EXPECT_FALSE(page.BannerTicked());
    EXPECT_FALSE(host.ended);
    ASSERT_EQ(2u, host.infos.size());
    EXPECT_EQ(0u, host.infos[0].find("HOSTS file not found"));
    EXPECT_EQ(std::vector<int>{WM_AD_BLOCKING_CHANGED}, host.posted);
}

TEST_F(PopupPageTest, FailedHostsWriteKeepsTheOldState) {
    settings.banner = true;
    hosts.result = AdBlockResult::WriteFailed;
    page.OnBannerBlocking(false);
    EXPECT_TRUE(settings.banner);
    EXPECT_TRUE(page.BannerTicked());
    EXPECT_TRUE(host.posted.empty());
    EXPECT_EQ(2u, host.infos.size());
}

TEST_F(PopupPageTest, SoundAlertFollowsItsBox) {
    page.OnSoundAlert(false);
    EXPECT_FALSE(settings.playWave);
    page.OnSoundAlert(true);
    EXPECT_TRUE(settings.playWave);
    EXPECT_EQ(2, host.modified);
}

}  // namespace

TEST_F(PopupPageTest, TrayChangesAreShownWithoutThePagesOwnDecisions) {
    // The tray switched catching on and blocking off; the page only follows,
    // even while no browser reads as configured.
    settings.catching = true;
    settings.banner = false;
    page.ShowSettings();
    EXPECT_TRUE(page.CatchTicked());
    EXPECT_FALSE(page.BannerTicked());
    EXPECT_TRUE(host.infos.empty());
    EXPECT_TRUE(host.posted.empty());
    EXPECT_EQ(0, host.modified);
    EXPECT_EQ(0, Passes());
}

}  // namespace popup
