#include "shredder/pages/alert_dlg.h"

#include "shredder/pages/shred_control_texts.h"
#include "shredder/pages/shredding/page_texts.h"
#include "shredder/res/alert_dlg_res.h"

namespace shredder {

CAlertDlg::CAlertDlg(const ShredderTexts& texts, CSkin& skin, HWND owner)
    : Dialog(IDD_ALERT), texts_(texts), skin_(skin), owner_(owner) {}

bool ShowOldShellNotice(const ShredderTexts& texts) {
    CSkin notYetMade;
    CAlertDlg alert(texts, notYetMade, nullptr);
    return alert.ShowAlert(kAlertOldShell).dontShowAgain;
}

AlertResult CAlertDlg::ShowAlert(int mode) {
    mode_ = mode;
    dontShowAgain_ = false;
    AlertResult result;
    result.ok = DoModal(owner_) == IDOK;
    result.dontShowAgain = result.ok && dontShowAgain_;
    return result;
}

bool CAlertDlg::OnInitDialog() {
    skin_.ApplySkin(Handle());
    SetControlTexts(Handle(), texts_,
                    {{0, texts::kCaption},
                     {IDC_ALERT_TEXT, AlertNotice(mode_)},
                     {IDC_ALERT_DONT_SHOW, shred_page_texts::kDontShowAgain},
                     {IDOK, shred_page_texts::kAlertOk}});
    return Dialog::OnInitDialog();
}

void CAlertDlg::OnOK() {
    dontShowAgain_ = Checked(IDC_ALERT_DONT_SHOW);
    EndDialog(IDOK);
}

}  // namespace shredder
