#include "popup/pages/popup_page.h"

#include "popup/pages/text_ref.h"

namespace popup {

namespace {

const char kNotConfiguredKey[] = "2252";
const char kNotConfigured[] =
    "You can't enable Catching Pop-Ups as you didn't configure your browser(s).\n"
    "Please go to Popups page to configure your browser(s).";
const char kCatchingDisabledKey[] = "2253";
const char kCatchingDisabled[] = "Catching Pop-Ups is disabled as there's not any configured browser.";

// Any browser uses the proxy, as the warning sees it.
bool WarningNeeded(const BrowserState& f) {
    return !(f.LanConfigured || f.DialUpConfigured || f.NetscapeConfigured || f.Opera6Configured ||
             f.Opera7Configured);
}

}  // namespace

PopupPageModel::PopupPageModel(PageSettings& settings, BrowserStateSource& state, PageHost& host,
                               const lang::TextSource& texts, AdBlockHosts& hosts,
                               CleanerWorker& worker)
    : settings_(settings), state_(state), host_(host), texts_(texts), hosts_(hosts),
      worker_(worker) {}

void PopupPageModel::ShowInfo(const char* key, const char* def) {
    host_.Prompt().Inform(texts_.Text(key, def), texts_.Text(kProgramTitle.key, kProgramTitle.def));
}

void PopupPageModel::StartBlinking() {
    if (blinkPhase_ < 0) blinkPhase_ = 0;
}

void PopupPageModel::StopBlinking() {
    blinkPhase_ = -1;
    warningVisible_ = false;
}

void PopupPageModel::OnInitDialog() {
    state_.Refresh();
    RefreshControls();
    if (settings_.OpenWizard()) OnSetProxy();
}

void PopupPageModel::RefreshControls() {
    ShowSettings();
    if (catchTicked_) {
        skipWorker_ = true;
        OnEnableCatch(true);
    }
}

void PopupPageModel::ShowSettings() {
    catchTicked_ = settings_.Catching();
    bannerTicked_ = settings_.BannerBlock();
    soundTicked_ = settings_.PlayWave();
}

void PopupPageModel::OnEnableCatch(bool ticked) {
    catchTicked_ = ticked;
    state_.Refresh();
    if (state_.Current().AnyConfigured()) {
        StopBlinking();
    } else {
        StartBlinking();
        if (catchTicked_) {
            catchTicked_ = false;
            ShowInfo(kNotConfiguredKey, kNotConfigured);
        }
    }
    settings_.SetCatching(catchTicked_);
    if (skipWorker_)
        skipWorker_ = false;
    else
        worker_.Start();
    host_.SetModified();
    host_.PostToMain(WM_CATCHING_CHANGED);
}

void PopupPageModel::OnSoundAlert(bool ticked) {
    soundTicked_ = ticked;
    settings_.SetPlayWave(ticked);
    host_.SetModified();
}

void PopupPageModel::OnBannerBlocking(bool ticked) {
    switch (hosts_.Apply(ticked)) {
    case AdBlockResult::Done:
        bannerTicked_ = ticked;
        settings_.SetBannerBlock(ticked);
        break;
    case AdBlockResult::HostsMissing:
        bannerTicked_ = false;
        settings_.SetBannerBlock(false);
        ShowInfo("19017",
                 "HOSTS file not found in your operating system, please contact our customr "
                 "support telling us your operating system version");
        break;
    case AdBlockResult::ListMissing:
    case AdBlockResult::WriteFailed:
        bannerTicked_ = settings_.BannerBlock();
        ShowInfo("6005", "Error, Can't write to the hosts file, the program may not run correctly");
        return;
    }
    host_.PostToMain(WM_AD_BLOCKING_CHANGED);
    host_.SetModified();
}

// Reading the browser state may have switched catching off already; a box
// still ticked tells that it was on.
void PopupPageModel::SwitchCatchingOffUnconfigured() {
    if (settings_.Catching() || catchTicked_) {
        ShowInfo(kCatchingDisabledKey, kCatchingDisabled);
        catchTicked_ = false;
        host_.PostToMain(WM_CATCHING_CHANGED);
    }
    settings_.SetCatching(false);
}

void PopupPageModel::OnSetActive() {
    state_.Refresh();
    if (!state_.Current().AnyConfigured()) {
        StartBlinking();
        SwitchCatchingOffUnconfigured();
    }
}

void PopupPageModel::OnTimer() {
    if (blinkPhase_ < 0) return;
    if (!WarningNeeded(state_.Current())) {
        warningVisible_ = false;
        return;
    }
    warningVisible_ = blinkPhase_ == 0;
    blinkPhase_ = 1 - blinkPhase_;
}

void PopupPageModel::OnSetProxy() {
    const bool noneBefore = !state_.Current().AnyConfigured();
    host_.RunProxyWizard(WizardMode::Set);
    if (!BlinkTimerRunning()) return;
    if (state_.Current().AnyConfigured()) StopBlinking();
    if (noneBefore && !BlinkTimerRunning() &&
        host_.Prompt().AskYesNo(texts_.Text("2254",
                                   "Catching Pop-Ups is currently disabled, Do you want to enable it?"),
                       texts_.Text(kProgramTitle.key, kProgramTitle.def))) {
        settings_.SetCatching(true);
        catchTicked_ = true;
        host_.PostToMain(WM_CATCHING_CHANGED);
    }
}

void PopupPageModel::OnResetProxy() {
    host_.RunProxyWizard(WizardMode::Reset);
    if (state_.Current().AnyConfigured()) return;
    blinkPhase_ = 0;
    SwitchCatchingOffUnconfigured();
}

}  // namespace popup
