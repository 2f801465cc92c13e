#include "popup/tray_notice_dlg.h"

#include "popup/dialog_looks.h"
#include "popup/halvane_app.h"
#include "popup/res/resource_ids.h"

namespace popup {

CTrayNoticeDlg::CTrayNoticeDlg(CHalvaneApp& app) : ui::Dialog(IDD_TRAY_NOTICE), app_(app) {}

bool CTrayNoticeDlg::OnInitDialog() {
    LoadTemplateTexts(app_.LanguageTexts(), Handle(), 18001,
                      {IDC_NOTICE_TEXT, IDC_NOTICE_DONT_SHOW, IDOK});
    Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(app_.ProgramIcon(32)));
    ApplySkinFile(app_.Skin(), app_.Settings().path + "\\Title.skn", Handle());
    return true;
}

void CTrayNoticeDlg::OnOK() {
    app_.Settings().WriteShowAtStart(!Checked(IDC_NOTICE_DONT_SHOW));
    EndDialog(IDOK);
}

}  // namespace popup
