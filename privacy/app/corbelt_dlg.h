// CCorbeltDlg: Corbelt's skinned main window. Its initialisation starts the
// program (session, tray icon, tab bar, the five pages, language) and hides
// the window so only the tray icon shows; its destruction undoes that in
// reverse, as does the end of the user's session. Closing (skin close,
// Alt+F4, Esc) only hides it: the tray's Exit ends the program.
#pragma once
#include <windows.h>

#include <memory>

#include "platform/ui/message_prompt.h"
#include "privacy/app/corbelt_session.h"
#include "privacy/app/url_cache_cleaner.h"
#include "privacy/look/button_animate.h"
#include "privacy/look/dialog_skin.h"
#include "privacy/look/language_combo.h"
#include "privacy/look/page_container.h"
#include "privacy/look/skin_button.h"
#include "privacy/look/tray_icon.h"

namespace privacy {

// Commands and the tab bar's id of the main window.
constexpr UINT kTabBarId = 9000;
constexpr UINT ID_TRAY_OPEN = 9001;
constexpr UINT ID_TRAY_EXIT = 9002;

// The pages in tab order.
enum PageIndex { kSitesPage, kEventsPage, kTracePage, kWipePage, kOptionsPage, kPageCount };

// The help topic of a page index; nullptr outside 0-4.
const char* HelpTopic(int page);

class CCorbeltDlg : public CDialogSkin1 {
public:
    // prompt and cache outlive the window.
    CCorbeltDlg(SessionEnv env, ui::MessagePrompt& prompt, UrlCacheCleaner& cache);
    ~CCorbeltDlg() override;

    bool PreTranslateMessage(MSG& msg) override;
    // The screen prompt (the one given, when it shows on the screen) owns its
    // boxes by this window from its creation on, hidden or not.
    void OwnBoxes(ui::ScreenMessagePrompt& screen) { screen_ = &screen; }

protected:
    bool OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    bool StartSession();
    void CreateTray();
    void CreateTabs();
    void CreatePages();
    RECT PlaceholderRect(int id, bool screen) const;
    void ShowPage(int index);
    void ApplyTexts();
    void OpenHelp() const;
    void Exit();
    // Removes the tray icon and stops the session; at the end of the user's
    // session (`sessionEnding`) the settings and browsers go first.
    void Shutdown(bool sessionEnding);

    CorbeltSession session_;
    ui::MessagePrompt& prompt_;
    ui::ScreenMessagePrompt* screen_ = nullptr;
    UrlCacheCleaner& cache_;
    CButtonAnimate tabs_;
    CPageContainer pages_;
    CLanguageCombo language_;
    CSkinButton help_;
    std::unique_ptr<CTrayIcon> tray_;
    HACCEL accelerators_ = nullptr;
    bool shutDown_ = false;
    bool startHidden_ = true;  // until the first Open
};

}  // namespace privacy
