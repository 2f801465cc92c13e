#include "startup/app/about_dlg.h"

#include "startup/app/rtl_layout.h"
#include "startup/core/sys_info.h"
#include "startup/res/resource_ids.h"

namespace startup {

CAboutDlg::CAboutDlg(const Language& language, Shell& shell)
    : ui::Dialog(IDD_ABOUT), language_(language), shell_(shell) {}

void CAboutDlg::Show(HWND owner) {
    if (!Handle()) Create(owner);
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
}

bool CAboutDlg::OnInitDialog() {
    if (skin_.Create()) {
        skin_.LoadSkin(language_.ProgramFolder() + "\\Title.skn");
        skin_.ApplySkin(Handle());
    }
    if (language_.IsRightToLeft()) MirrorLayout(Handle());
    SetCaptions();
    return true;
}

void CAboutDlg::SetCaptions() {
    SetText(language_.Text("301", "About Velmora Ferrowend"));
    SetItemText(IDC_ABOUT_TITLE, language_.Text("302", "Ferrowend"));
    SetItemText(IDC_ABOUT_VERSION, language_.Text("303", "Version 1.0.0.1"));
    SetItemText(IDC_ABOUT_DESCRIPTION, language_.Text("304", GetItemText(IDC_ABOUT_DESCRIPTION).c_str()));
    SetItemText(IDC_ABOUT_DISCLAIMER, language_.Text("305", GetItemText(IDC_ABOUT_DISCLAIMER).c_str()));
    SetItemText(IDOK, language_.Text("306", "&Ok"));
    SetItemText(IDC_SYSINFO, language_.Text("307", "&System Info..."));
}

bool CAboutDlg::OnCommand(UINT id, UINT code, HWND control) {
    if (id == IDC_SYSINFO && code == BN_CLICKED) {
        StartSysInfo();
        return true;
    }
    return ui::Dialog::OnCommand(id, code, control);
}

// Without the tool the button does nothing.
void CAboutDlg::StartSysInfo() {
    const std::string path = FindSysInfoPath();
    if (!path.empty()) shell_.Run("\"" + path + "\"");
}

}  // namespace startup
