#include "shredder/window/about_dlg.h"

#include "platform/ui/module.h"
#include "platform/ui/version_info.h"
#include "shredder/res/about_dlg_res.h"

namespace shredder {

CAboutDlg::CAboutDlg(const ShredderTexts& texts, CSkin& skin)
    : Dialog(IDD_ABOUT), texts_(texts), skin_(skin) {}

bool CAboutDlg::OnInitDialog() {
    skin_.ApplySkinByName(Handle(), "Main");
    skin_.ApplySkinByName(Item(IDOK), "Button");
    SetLanguageTexts();
    GetVersionString();
    link_.SetURL(kMakerWebSite);
    link_.Attach(Handle(), IDC_ABOUT_LINK);
    link_.EnableToolTip(true);
    link_.SetToolTipText(texts_.Text("9084", "Click here to visit Velmora web site"));
    link_.SetToolTipBkColour(RGB(255, 255, 255));
    link_.SetToolTipTextColour(RGB(0, 0, 0));
    link_.SetVisitedColour(RGB(0, 13, 0));
    return Dialog::OnInitDialog();
}

void CAboutDlg::SetLanguageTexts() {
    SetText(texts_.Caption("10101", "About Velmora Scourwell"));
    SetItemText(IDC_ABOUT_VERSION_LABEL, texts_.Text("10100", "Version:"));
    SetItemText(IDOK, texts_.Text("9706", "OK"));
}

void CAboutDlg::GetVersionString() {
    char program[MAX_PATH] = {};
    GetModuleFileNameA(ui::ResourceModule(), program, MAX_PATH);
    for (int id : {IDC_ABOUT_COPYRIGHT, IDC_ABOUT_VERSION}) {
        const std::string value = ui::GetVersionString(program, GetItemText(id));
        if (!value.empty()) SetItemText(id, value);
    }
}

}  // namespace shredder
