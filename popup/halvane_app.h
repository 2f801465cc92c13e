#pragma once
// The popup blocker's application object: it owns the settings, the browser
// state, the language texts, the single-instance mutex, HOSTS, the proxy
// engine and the counter window, runs the start-up sequence and the main
// window inside it, and saves everything on the way out.
#include <memory>
#include <string>

#include "common/browser/browser_env.h"
#include "popup/core/halvane_texts.h"
#include "platform/ui/app.h"
#include "platform/ui/skin.h"
#include "popup/core/browser_state.h"
#include "popup/core/halvane_settings.h"
#include "popup/core/halvane_startup.h"
#include "popup/core/hosts_file.h"
#include "platform/sync/sync.h"
#include "platform/ui/message_prompt.h"
#include "popup/engine/engine_settings.h"

namespace proxy {
class WinsockSession;
}

namespace popup {

class PopupEngine;
class CCounterDlg;
class CMainPage;
class CTrayNoticeDlg;
class HiddenOwnerWindow;

// Where the program looks. Left empty, the running system's places; tests
// aim them at scratch ones.
struct HalvaneSeams {
    std::string programFolder;           // engine settings, script, sound; no final "\"
    std::string windowsFolder;           // HOSTS lies under it
    ui::MessagePrompt* prompt = nullptr;     // message boxes
    const lang::TextSource* texts = nullptr;  // in place of the language file
};

class CHalvaneApp : public ui::App, private StartupWindowSteps {
public:
    explicit CHalvaneApp(HalvaneSeams seams = HalvaneSeams());
    ~CHalvaneApp() override;

    // The whole start-up; the main window runs inside it.
    StartupEnd Start();

    CHalvaneSettings& Settings() { return settings_; }
    // The engine settings as the pages edit them; applied by SaveAll.
    popup::EngineSettings& Engine() { return engineSettings_; }
    // Hands the engine settings as they are now to the proxy's connections:
    // every switch acts at once, before any Apply.
    void PublishEngine();
    const BrowserState& Browsers() const { return browsers_; }
    const lang::TextSource& Texts() const { return *texts_; }
    // The language file itself, for dialogs that load their texts by range.
    const CHalvaneTexts& LanguageTexts() const { return languageTexts_; }
    // The program icon (resource 143) at `size` pixels; shared, never destroyed.
    HICON ProgramIcon(int size) const;
    // The tray icon for catching on or off.
    HICON TrayIcon(bool catching) const;
    // A text of the language file in use.
    std::string Text(const char* key, const char* def) const { return texts_->Text(key, def); }
    ui::MessagePrompt& Prompt() { return *prompt_; }
    // The single-instance mutex start-up took.
    sync::InstanceMutex& Mutex() { return mutex_; }
    const std::string& ProgramTitle() const;
    const CHostsFile& Hosts() const { return hosts_; }
    CCounterDlg& Counter() { return *counter_; }
    // The hidden window the peers find; it owns the counter window, so that
    // no taskbar button comes with it.
    HWND HiddenOwner() const;
    // The skin pointer the dialogs share (the counter window has its own).
    CSkin& Skin() { return skin_; }
    CSkin& CounterSkin() { return counterSkin_; }
    // The folder of the engine settings, the script and the sound.
    const std::string& ProgramFolder() const { return programFolder_; }

    // Reads the browsers again; when none uses the proxy, catching goes off.
    // Answers whether any does.
    bool RefreshBrowserState();
    // Apply: the registry values, the engine settings file and the script.
    void SaveAll();
    // Cancel: the engine settings and the script as stored.
    void ReloadEngine();
    // A blocked popup was found: count, sound, counter window.
    void OnPopupBlocked();
    // The count starts again from 0 today.
    void ClearCounter();
    const std::string& CountingSince() const { return countingSince_; }
    // HOSTS gets (on) or loses the ad lines; the Block Ads setting follows
    // what HOSTS now holds. A missing HOSTS is reported and leaves blocking
    // off: the program goes on, its unsaved settings intact.
    void ApplyAdBlock(bool on);
    // Listens on the port of the engine settings; false on failure.
    bool StartProxy();
    // The last browser closed before the main window was up; the main window
    // ends the program as soon as it starts.
    bool LastBrowserClosedEarly() const { return lastBrowserClosedEarly_; }

protected:
    bool InitInstance() override;
    int ExitInstance() override;

private:
    void ReadBrowserState(BrowserState& state) override;
    void SetProxyAlias(const std::string& alias) override;
    bool InitSockets() override;
    std::string ResourceText(unsigned id) override;
    void EnableControlHosting() override;
    bool CreateHiddenOwnerWindow(const std::string& title) override;
    void Enable3dControls() override;
    void CreateCounterWindow() override;
    void WriteStartupFiles() override;
    void SetDialogColours() override;
    void ShowTrayNotice() override;
    void RunMainSheet() override;
    void OnLastBrowserClosed();
    // What the proxy engine could not do (save its settings file, listen).
    void ReportEngineError(const std::string& reason);

    std::string programFolder_;
    CHalvaneSettings settings_;
    CHalvaneTexts languageTexts_;
    const lang::TextSource* texts_;
    ui::ScreenMessagePrompt screenPrompt_;
    ui::MessagePrompt* prompt_;
    sync::InstanceMutex mutex_;
    CHostsFile hosts_;
    BrowserState browsers_;
    std::unique_ptr<browser::ConnectionOptionWriter> optionWriter_;
    browser::BrowserEnv browserEnv_;
    popup::EngineSettings engineSettings_;
    std::unique_ptr<proxy::WinsockSession> sockets_;
    std::unique_ptr<popup::PopupEngine> engine_;
    std::unique_ptr<HiddenOwnerWindow> hiddenWindow_;
    std::unique_ptr<CCounterDlg> counter_;
    CMainPage* mainPage_ = nullptr;
    CTrayNoticeDlg* notice_ = nullptr;
    bool lastBrowserClosedEarly_ = false;
    std::unique_ptr<CHalvaneStartup> startup_;
    CSkin skin_;
    CSkin counterSkin_;
    std::string countingSince_;
};

}  // namespace popup
