#pragma once
// The uninstaller's one run: undoes what the popup blocker changed on the
// machine (zone policies, browser proxies, HOSTS) from its registry key and
// its first-run backups, and tells a running blocker. No window of its own;
// failures and the Netscape notice are plain message boxes.
#include <string>

#include "common/browser/browser_state.h"
#include "common/browser/connection_options.h"
#include "common/browser/profile_folders.h"
#include "common/lang/text_source.h"
#include "platform/ui/message_prompt.h"

namespace uninstall {

// What the run takes from the machine; tests point it elsewhere.
struct Surroundings {
    std::string windowsFolder;
    bool nt = true;
    browser::ProfileBases bases;
};

class COrlenbyApp {
public:
    COrlenbyApp(const Surroundings& where, ui::MessagePrompt& prompt,
                browser::ConnectionOptionWriter& options);
    COrlenbyApp(const COrlenbyApp&) = delete;
    COrlenbyApp& operator=(const COrlenbyApp&) = delete;

    // The whole run; false in every case (nothing follows it). Without the
    // popup blocker's key nothing is restored and nothing shown.
    bool InitInstance();

    // As read from the popup blocker's key.
    std::string Path;
    std::string Language;
    // The title of the popup blocker's hidden window (language key 9999).
    std::string Title;

private:
    void RestoreZones(const lang::TextSource& texts);
    void NotifyBlocker() const;
    bool ResetBrowsers(const lang::TextSource& texts);
    void RestoreHostsFile(const lang::TextSource& texts);

    Surroundings where_;
    ui::MessagePrompt& prompt_;
    browser::ConnectionOptionWriter& options_;
    browser::BrowserState state_;
};

}  // namespace uninstall
