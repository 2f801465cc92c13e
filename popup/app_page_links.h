#pragma once
// What the settings pages see of the program: its settings in memory, its
// browser state flags and the main window around them.
#include "platform/sync/sync.h"
#include "popup/pages/browser_state.h"
#include "popup/pages/page_context.h"

namespace popup {

class CHalvaneApp;
class CMainPage;

// The application object's registry values and engine settings.
class AppPageSettings : public PageSettings {
public:
    explicit AppPageSettings(CHalvaneApp& app) : app_(app) {}

    std::string ProgramFolder() const override;
    bool Catching() const override;
    void SetCatching(bool on) override;
    bool BannerBlock() const override;
    void SetBannerBlock(bool on) override;
    bool PlayWave() const override;
    void SetPlayWave(bool on) override;
    int Startup() const override;
    void SetStartup(int mode) override;
    bool DisplayOnTop() const override;
    void SetDisplayOnTop(bool on) override;
    bool CloseToTray() const override;
    void SetCloseToTray(bool on) override;
    std::string UserWavPath() const override;
    void SetUserWavPath(const std::string& path) override;
    std::string Language() const override;
    void SetLanguage(const std::string& name) override;
    bool LanguageChanged() const override;
    void SetLanguageChanged(bool changed) override;
    void SetWizardMessage(const std::string& value) override;
    bool OpenWizard() const override;

private:
    CHalvaneApp& app_;
};

// The application object's flags, read again on Refresh (which switches
// catching off when no browser uses the proxy). The cleaner worker
// reads them from its own thread, so they are handed out as a copy taken
// under a lock.
class AppBrowserState : public BrowserStateSource {
public:
    explicit AppBrowserState(CHalvaneApp& app);

    void Refresh() override;
    BrowserState Current() const override;
    // Takes the application object's flags as they stand, without reading.
    void Update();

private:
    CHalvaneApp& app_;
    mutable sync::CriticalSection lock_;
    BrowserState flags_;
};

// The main window as the pages' host; message boxes go through the
// program's prompt.
class MainPageHost : public PageHost {
public:
    // `context` is the one the pages are built from; it is used only once
    // they run.
    MainPageHost(CHalvaneApp& app, CMainPage& window, PageContext& context)
        : app_(app), window_(window), context_(context) {}

    void PostToMain(unsigned message) override;
    void SetModified() override;
    ui::MessagePrompt& Prompt() override;
    void RunProxyWizard(WizardMode mode) override;
    void EndProgram() override;

private:
    CHalvaneApp& app_;
    CMainPage& window_;
    PageContext& context_;
};

}  // namespace popup
