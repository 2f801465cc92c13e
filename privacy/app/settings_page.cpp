#include "privacy/app/settings_page.h"

#include <shellapi.h>

#include "common/files/whole_file.h"
#include "privacy/app/page_helpers.h"
#include "privacy/app/page_rules.h"
#include "privacy/app/res/settings_page_res.h"
#include "privacy/look/language_texts.h"
#include "privacy/look/look_messages.h"

namespace privacy {
namespace {


// Shows the wait cursor while it lives.
class WaitCursor {
public:
    WaitCursor() : previous_(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
    ~WaitCursor() { SetCursor(previous_); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    HCURSOR previous_;
};

}  // namespace

bool StartUpdater(const std::string& programFolder, ui::MessagePrompt& prompt) {
    const std::string updater = UpdaterPath(programFolder);
    if (files::FileExists(updater)) {
        const HINSTANCE started =
            ShellExecuteA(nullptr, "open", updater.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        if (reinterpret_cast<INT_PTR>(started) > 32) return true;
    }
    prompt.Show(Text(kTextNoUpdater) + "\n\n" + updater, Text(1), MB_OK | MB_ICONINFORMATION);
    return false;
}

CSettingsPage::CSettingsPage(CorbeltSession& session, UrlCacheCleaner& cache,
                             ui::MessagePrompt& prompt)
    : Dialog(IDD_SETTINGS_PAGE), session_(session), cache_(cache), prompt_(prompt) {}

bool CSettingsPage::OnInitDialog() {
    Dialog::OnInitDialog();
    TagForLanguage(Handle());
    reselect_.BindDlgItem(IDC_RESELECT_HUB, Handle());
    update_.BindDlgItem(IDC_LIVE_UPDATE, Handle());
    const PrivacySettings settings = session_.Sites().Snapshot();
    const struct {
        int id;
        int set;
    } boxes[] = {{IDC_DEFAULT_USER_INFO, settings.defaults.cookie},
                 {IDC_DEFAULT_HUB, settings.defaults.hub},
                 {IDC_DEFAULT_POPUPS, settings.defaults.popups},
                 {IDC_DEFAULT_IMAGES, settings.defaults.images},
                 {IDC_BROWSER_OPERA, settings.browserOpera},
                 {IDC_BROWSER_NETSCAPE, settings.browserNetscape},
                 {IDC_BROWSER_IE, settings.browserIE}};
    for (const auto& box : boxes)
        CheckDlgButton(Handle(), box.id, box.set ? BST_CHECKED : BST_UNCHECKED);
    return true;
}

void CSettingsPage::ApplyBox(int id) {
    const bool checked = Checked(id);
    BoxEffect effect = BoxEffect::None;
    session_.Sites().Edit(
        [&](PrivacySettings& settings) { effect = ApplyOptionsBox(id, checked, settings); });
    switch (effect) {
    case BoxEffect::EmptyCache:
        cache_.DeleteAllFiles();
        break;
    case BoxEffect::SetUpBrowser:
    case BoxEffect::RestoreBrowser:
        PointBrowserOf(id, effect == BoxEffect::SetUpBrowser);
        break;
    case BoxEffect::None:
        break;
    }
}

void CSettingsPage::PointBrowserOf(int id, bool setUp) const {
    const Browser browser = id == IDC_BROWSER_IE         ? Browser::kIE
                            : id == IDC_BROWSER_NETSCAPE ? Browser::kNetscape
                                                         : Browser::kOpera;
    PointBrowser(browser, setUp, session_.Env());
}

void CSettingsPage::ReselectHub() {
    WaitCursor wait;
    EnableItem(IDC_RESELECT_HUB, false);
    session_.Proxy().Hubs().SelectHub();
    EnableItem(IDC_RESELECT_HUB, true);
}

bool CSettingsPage::OnCommand(UINT id, UINT code, HWND control) {
    switch (id) {
    case IDC_DEFAULT_IMAGES:
    case IDC_DEFAULT_POPUPS:
    case IDC_DEFAULT_USER_INFO:
    case IDC_DEFAULT_HUB:
    case IDC_BROWSER_IE:
    case IDC_BROWSER_NETSCAPE:
    case IDC_BROWSER_OPERA:
        if (code == BN_CLICKED) ApplyBox(static_cast<int>(id));
        return true;
    case IDC_RESELECT_HUB:
        ReselectHub();
        return true;
    case IDC_LIVE_UPDATE:
        StartUpdater(session_.Folder(), prompt_);
        return true;
    }
    return Dialog::OnCommand(id, code, control);
}

LRESULT CSettingsPage::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (AnswerSeeThrough(Handle(), msg, wp, result)) return result;
    if (msg == WM_LANGUAGE_CHANGED) {
        ApplyItemTexts(Handle(), {{IDC_DEFAULTS_LABEL, 45}, {IDC_DEFAULT_IMAGES, 46},
                                  {IDC_DEFAULT_POPUPS, 47}, {IDC_DEFAULT_USER_INFO, 48},
                                  {IDC_DEFAULT_HUB, 49}, {IDC_BROWSERS_LABEL, 50},
                                  {IDC_BROWSER_IE, 51}, {IDC_BROWSER_NETSCAPE, 52},
                                  {IDC_BROWSER_OPERA, 53}, {IDC_RESELECT_HUB, 54},
                                  {IDC_NOTE_BROWSERS, 55}, {IDC_NOTE_CLOSE, 56}});
        return 0;
    }
    return Dialog::WindowProc(msg, wp, lp);
}

}  // namespace privacy
