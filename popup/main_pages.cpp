#include "popup/main_pages.h"

#include "popup/halvane_app.h"

namespace popup {

CMainPages::CMainPages(CHalvaneApp& app, CMainPage& window)
    : settings_(app),
      browsers_(app),
      host_(app, window, context_),
      adBlock_(app.Hosts(), app.Settings().path),
      mutex_(app.Mutex()),
      context_{settings_, browsers_, host_, app.LanguageTexts(), app.Skin(), adBlock_, cleaner_,
               mutex_},
      popup_(context_),
      activeX_(context_),
      options_(context_) {}

ui::PropertyPage& CMainPages::Page(MainPageIndex index) {
    switch (index) {
    case kActiveXPage:
        return activeX_;
    case kOptionsPage:
        return options_;
    default:
        return popup_;
    }
}

// A page that was never shown has no window yet; it reads the settings and
// the texts when it is created.
void CMainPages::ReloadStates() {
    if (popup_.Handle()) popup_.RefreshControls();
    if (activeX_.Handle()) activeX_.RefreshControls();
    if (options_.Handle()) options_.RefreshControls();
}

void CMainPages::ShowPopupSettings() {
    if (popup_.Handle()) popup_.ShowSettings();
}

void CMainPages::ApplyTexts() {
    if (popup_.Handle()) popup_.SetLanguageTexts();
    if (options_.Handle()) options_.SetLanguageTexts();
}

void CMainPages::StartCleaner() {
    browsers_.Update();
    popup_.StartCleaner();
}

}  // namespace popup
