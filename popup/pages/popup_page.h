#pragma once
// The Popups page without its window: catching, banner blocking and the
// sound alert switches, the proxy wizard in set and reset mode, the blinking
// warning while no browser uses the proxy, and the cleaner worker that each
// switch of catching starts.
#include "common/lang/text_source.h"
#include "popup/pages/ad_block.h"
#include "popup/pages/browser_state.h"
#include "popup/pages/cleaner_worker.h"
#include "popup/pages/page_host.h"
#include "popup/pages/page_settings.h"

namespace popup {

class PopupPageModel {
public:
    PopupPageModel(PageSettings& settings, BrowserStateSource& state, PageHost& host,
                   const lang::TextSource& texts, AdBlockHosts& hosts, CleanerWorker& worker);

    // First showing: the controls from the settings, then the wizard when
    // start-up asked for it.
    void OnInitDialog();
    // The controls from the settings again (also the main window's Cancel).
    void RefreshControls();
    // The boxes take the settings as they stand, with no decision of the
    // page's own (the tray already made it).
    void ShowSettings();
    void OnSetActive();
    // A click on "Enable Catch Pop-Ups" that left it `ticked`.
    void OnEnableCatch(bool ticked);
    void OnSoundAlert(bool ticked);
    void OnBannerBlocking(bool ticked);
    void OnSetProxy();
    void OnResetProxy();
    // One tick of the blink timer.
    void OnTimer();

    bool CatchTicked() const { return catchTicked_; }
    bool SoundTicked() const { return soundTicked_; }
    bool SoundEnabled() const { return settings_.Catching(); }
    bool BannerTicked() const { return bannerTicked_; }
    bool WarningVisible() const { return warningVisible_; }
    bool BlinkTimerRunning() const { return blinkPhase_ >= 0; }

private:
    void StartBlinking();
    void StopBlinking();
    // No browser carries the proxy: catching goes off with message 2253.
    void SwitchCatchingOffUnconfigured();
    void ShowInfo(const char* key, const char* def);

    PageSettings& settings_;
    BrowserStateSource& state_;
    PageHost& host_;
    const lang::TextSource& texts_;
    AdBlockHosts& hosts_;
    CleanerWorker& worker_;

    bool catchTicked_ = false;
    bool soundTicked_ = false;
    bool bannerTicked_ = false;
    bool warningVisible_ = false;
    bool skipWorker_ = false;
    int blinkPhase_ = -1;  // -1 while the blink timer is stopped
};

}  // namespace popup
