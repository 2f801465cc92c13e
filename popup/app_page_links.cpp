#include "popup/app_page_links.h"

#include "popup/halvane_app.h"
#include "popup/main_page.h"
#include "popup/pages/proxy_setting_sheet.h"

namespace popup {

std::string AppPageSettings::ProgramFolder() const { return app_.Settings().path; }
bool AppPageSettings::Catching() const { return app_.Engine().catching; }
void AppPageSettings::SetCatching(bool on) {
    app_.Engine().catching = on;
    app_.PublishEngine();
}
bool AppPageSettings::BannerBlock() const { return app_.Engine().bannerBlock != 0; }
void AppPageSettings::SetBannerBlock(bool on) { app_.Engine().bannerBlock = on ? 1 : 0; }
bool AppPageSettings::PlayWave() const { return app_.Engine().playWave != 0; }
void AppPageSettings::SetPlayWave(bool on) {
    app_.Engine().playWave = on ? 1 : 0;
    app_.PublishEngine();
}
int AppPageSettings::Startup() const { return app_.Engine().startup; }
void AppPageSettings::SetStartup(int mode) { app_.Engine().startup = mode; }
bool AppPageSettings::DisplayOnTop() const { return app_.Engine().displayOnTop != 0; }
void AppPageSettings::SetDisplayOnTop(bool on) { app_.Engine().displayOnTop = on ? 1 : 0; }
bool AppPageSettings::CloseToTray() const { return app_.Settings().closeToTray != 0; }
void AppPageSettings::SetCloseToTray(bool on) { app_.Settings().closeToTray = on ? 1 : 0; }
std::string AppPageSettings::UserWavPath() const { return app_.Settings().userWavPath; }
void AppPageSettings::SetUserWavPath(const std::string& path) { app_.Settings().userWavPath = path; }
std::string AppPageSettings::Language() const { return app_.Settings().language; }
void AppPageSettings::SetLanguage(const std::string& name) { app_.Settings().language = name; }
bool AppPageSettings::LanguageChanged() const { return app_.Settings().languageChanged != 0; }
void AppPageSettings::SetLanguageChanged(bool changed) {
    app_.Settings().languageChanged = changed ? 1 : 0;
}
void AppPageSettings::SetWizardMessage(const std::string& value) {
    app_.Settings().wizardMessage = value;
}
bool AppPageSettings::OpenWizard() const { return app_.Settings().openWizard != 0; }

AppBrowserState::AppBrowserState(CHalvaneApp& app) : app_(app), flags_(app.Browsers()) {}

void AppBrowserState::Refresh() {
    app_.RefreshBrowserState();
    Update();
}

void AppBrowserState::Update() {
    sync::Lock lock(lock_);
    flags_ = app_.Browsers();
}

BrowserState AppBrowserState::Current() const {
    sync::Lock lock(lock_);
    return flags_;
}

void MainPageHost::PostToMain(unsigned message) { window_.Post(message); }

void MainPageHost::SetModified() { window_.MarkActivePageChanged(); }

ui::MessagePrompt& MainPageHost::Prompt() { return app_.Prompt(); }

void MainPageHost::RunProxyWizard(WizardMode mode) {
    RunProxySettingSheet(mode, context_, window_.Handle());
}

void MainPageHost::EndProgram() { window_.ExitWithoutQuestion(); }

}  // namespace popup
