#include "popup/about_dlg.h"

#include <shellapi.h>

#include "platform/ui/version_info.h"
#include "platform/registry/reg_key.h"
#include "popup/dialog_looks.h"
#include "popup/halvane_app.h"
#include "popup/res/resource_ids.h"

namespace popup {

namespace {

const char kWebSite[] = "http://www.velmorablinkward.com/";
const char kBrowserPathKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\IEXPLORE.EXE";

}  // namespace

CAboutDlg::CAboutDlg(CHalvaneApp& app) : ui::Dialog(IDD_ABOUTBOX), app_(app) {}

bool CAboutDlg::OnInitDialog() {
    LoadTemplateTexts(app_.LanguageTexts(), Handle(), 12000, {IDC_WINDOW_TITLE, IDC_ABOUT_TEXT, IDOK});
    ShowVersionValue(IDC_ABOUT_FILE_VERSION);
    ShowVersionValue(IDC_ABOUT_COPYRIGHT);
    // The skin the main window loaded; the dialog only takes it on.
    app_.Skin().ApplySkin(Handle());
    return true;
}

// The control's own text names the value it shows.
void CAboutDlg::ShowVersionValue(int id) {
    SetItemText(id, ui::GetVersionString(app_.ModulePath(), GetItemText(id)));
}

bool CAboutDlg::OnCommand(UINT id, UINT code, HWND control) {
    if (id != IDC_ABOUT_WEBSITE) return ui::Dialog::OnCommand(id, code, control);
    OpenWebSite();
    return true;
}

void CAboutDlg::OpenWebSite() {
    CRegKey key;
    std::string browser;
    if (!key.Open(HKEY_LOCAL_MACHINE, kBrowserPathKey, KEY_READ) || !key.ReadString("", browser)) {
        browser = "iexplore.exe";
    }
    ShellExecuteA(Handle(), "open", browser.c_str(), kWebSite, nullptr, SW_SHOWNORMAL);
}

}  // namespace popup
