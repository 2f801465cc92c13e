#pragma once
// The program's start-up in its fixed order. The steps that need windows,
// sockets or the browser classes are the application's: it hands them in as
// StartupWindowSteps and the sequence calls them at their place.
#include <string>

#include "common/suite/blinkward.h"
#include "popup/core/browser_state.h"
#include "popup/core/hosts_file.h"

namespace sync {
class InstanceMutex;
}

namespace ui {
class MessagePrompt;
}
namespace lang {
class TextSource;
}

namespace popup {

class CHalvaneSettings;

class StartupWindowSteps {
public:
    virtual ~StartupWindowSteps() = default;
    virtual void ReadBrowserState(BrowserState& state) = 0;         // step 4
    virtual void SetProxyAlias(const std::string& alias) = 0;       // step 9
    virtual bool InitSockets() = 0;                                  // step 10
    virtual void EnableControlHosting() = 0;                         // step 11
    virtual bool CreateHiddenOwnerWindow(const std::string& title) = 0;  // step 12
    virtual void Enable3dControls() = 0;                             // step 13
    virtual void CreateCounterWindow() = 0;                          // step 15
    virtual void WriteStartupFiles() = 0;                            // step 16
    virtual void SetDialogColours() = 0;                             // step 17
    virtual void ShowTrayNotice() = 0;                               // step 18
    virtual void RunMainSheet() = 0;                                 // step 19
    // A string resource of the program ("" when it has none).
    virtual std::string ResourceText(unsigned id) = 0;
};

// Why start-up ended.
enum class StartupEnd {
    AnotherInstance,   // silent
    SettingsMissing,   // message 6001 shown
    HostsMissing,      // message 19017 shown
    SocketsFailed,     // message shown
    NoHiddenWindow,    // silent
    MainSheetClosed,   // the normal end
};

class CHalvaneStartup {
public:
    CHalvaneStartup(CHalvaneSettings& settings, BrowserState& browsers, sync::InstanceMutex& mutex,
                    const lang::TextSource& texts, ui::MessagePrompt& prompt,
                    StartupWindowSteps& steps, const CHostsFile& hosts);

    StartupEnd Run();

    // Key 99990: the caption of every message box.
    const std::string& ProgramTitle() const { return programTitle_; }
    // Key 9999 in the user's language: the title of the hidden window.
    const std::string& WindowTitle() const { return windowTitle_; }

private:
    bool TakeFirstRunBackups();
    void ReportHostsNotWritable();

    CHalvaneSettings& settings_;
    BrowserState& browsers_;
    sync::InstanceMutex& mutex_;
    const lang::TextSource& texts_;
    ui::MessagePrompt& prompt_;
    StartupWindowSteps& steps_;
    CHostsFile hosts_;
    std::string programTitle_;
    std::string windowTitle_;
};

// Language key 9999 and its default: the mutex name and the hidden window's
// title, by which the helper object and the uninstaller find the program.
constexpr const char* kInstanceKey = suite::blinkward::kTitleKey;
constexpr const char* kInstanceDefault = suite::blinkward::kTitleDefault;

}  // namespace popup
