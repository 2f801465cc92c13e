// CSettingsPage: the fifth page of the main window: the default blocking
// options, the browsers pointed at the proxy, a new hub and the outside
// updater. Every box takes effect at once; the settings are saved at exit.
#pragma once
#include "platform/ui/dialog.h"
#include "platform/ui/message_prompt.h"
#include "privacy/app/corbelt_session.h"
#include "privacy/app/url_cache_cleaner.h"
#include "privacy/look/skin_button.h"

namespace privacy {

// Starts "<folder>\Update\Update.exe" without waiting for it. When it is
// not there (or does not start), says so through `prompt`; false then.
bool StartUpdater(const std::string& programFolder, ui::MessagePrompt& prompt);

class CSettingsPage : public ui::Dialog {
public:
    CSettingsPage(CorbeltSession& session, UrlCacheCleaner& cache, ui::MessagePrompt& prompt);

protected:
    bool OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}
    bool OnCommand(UINT id, UINT code, HWND control) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void ApplyBox(int id);
    void PointBrowserOf(int id, bool setUp) const;
    void ReselectHub();

    CorbeltSession& session_;
    UrlCacheCleaner& cache_;
    ui::MessagePrompt& prompt_;
    CSkinButton reselect_, update_;
};

}  // namespace privacy
