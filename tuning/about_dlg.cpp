#include "tuning/about_dlg.h"

#include "platform/ui/app.h"
#include "platform/ui/version_info.h"
#include "tuning/res/main_dlg_res.h"
#include "tuning/texts.h"

namespace tuning {

CAboutDlg::CAboutDlg(TuningContext& context) : ui::Dialog(IDD_ABOUTBOX), context_(context) {}

bool CAboutDlg::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    context_.texts.SetDlgItemLangText(Handle(), IDOK, texts::kOk);
    context_.texts.SetDlgItemLangText(Handle(), IDC_ABOUT_VERSION_LABEL, texts::kVersion);
    const std::string program = ui::App::Current() ? ui::App::Current()->ModulePath() : "";
    for (int id : {IDC_ABOUT_FILE_VERSION, IDC_ABOUT_LEGAL}) {
        // The control's own text names the value it shows.
        const std::string value = ui::GetVersionString(program, GetItemText(id));
        if (!value.empty()) SetItemText(id, value);
    }
    context_.skin.ApplySkin(Handle());
    return true;
}

}  // namespace tuning
