#pragma once
// The main window's three settings pages in tab order, with everything they
// are built from, and what the main window asks of them beyond being
// property pages.
#include "popup/app_page_links.h"
#include "popup/pages/activex_dlg.h"
#include "popup/pages/drossel_cleaner.h"
#include "popup/pages/instance_mutex.h"
#include "popup/pages/options_dlg.h"
#include "popup/pages/popup_dlg.h"

namespace popup {

enum MainPageIndex { kPopupPage = 0, kActiveXPage = 1, kOptionsPage = 2, kMainPageCount = 3 };

class CMainPages {
public:
    CMainPages(CHalvaneApp& app, CMainPage& window);
    CMainPages(const CMainPages&) = delete;
    CMainPages& operator=(const CMainPages&) = delete;

    ui::PropertyPage& Page(MainPageIndex index);
    // Apply: the ActiveX page writes the policies of its zone only when the
    // user changed them there, so that changes made in Internet Explorer
    // meanwhile stay; the caller clears the page's changed flag afterwards.
    void SaveActiveXPolicies() {
        if (activeX_.Handle() && activeX_.IsModified()) activeX_.SaveZonePolicies();
    }
    // Cancel: every page shows the settings in memory again.
    void ReloadStates();
    // The tray changed a setting of the Popups page.
    void ShowPopupSettings();
    // After a language change: the Popups and Options pages' texts.
    void ApplyTexts();
    // Catching was switched from the tray: the Popups page's cleaner worker
    // over the browser flags just read.
    void StartCleaner();
    bool SoundTicked() const { return popup_.SoundTicked(); }

private:
    AppPageSettings settings_;
    AppBrowserState browsers_;
    MainPageHost host_;
    HostsAdBlock adBlock_;
    // Declared before the pages: the Popups page's worker uses it to the end.
    DrosselCleaner cleaner_;
    ProgramInstanceMutex mutex_;
    PageContext context_;
    CPopupDlg popup_;
    CActiveXPage activeX_;
    COptionsPage options_;
};

}  // namespace popup
