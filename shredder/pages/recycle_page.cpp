#include "shredder/pages/recycle_page.h"

#include "shredder/pages/alert_dlg.h"
#include "shredder/pages/shred_control_texts.h"
#include "shredder/pages/shredding/recycle_model.h"
#include "shredder/res/recycle_page_res.h"
#include "shredder/shredder_app.h"

namespace shredder {

CMyPropertyPage5::CMyPropertyPage5(CShredderApp& app)
    : ShredderPage(IDD_RECYCLE_PAGE, app), context_(app) {}

int CMyPropertyPage5::ShredRecycleBin() {
    CAlertDlg alert(App().Texts(), App().Skin(), SheetHandle());
    return RecyclePageModel(context_.Get(), alert).OnShredNow();
}

bool CMyPropertyPage5::OnInitDialog() {
    ShredderPage::OnInitDialog();
    App().Skin().ApplySkin(Handle());
    return true;
}

bool CMyPropertyPage5::OnSetActive() {
    SetLanguageTexts();
    context_.Refresh();
    EnableItem(IDC_RECYCLE_SCHEDULE, !context_.Get().schedulerUnavailable);
    return ShredderPage::OnSetActive();
}

void CMyPropertyPage5::SetLanguageTexts() {
    SetControlTexts(Handle(), App().Texts(),
                    {{IDC_RECYCLE_GROUP, {"9401", "Shred &Recycle Bin"}},
                     {IDC_RECYCLE_SHRED_NOW, {"9302", "Shred &Now"}},
                     {IDC_RECYCLE_SCHEDULE, {"9303", "&Schedule"}}});
}

bool CMyPropertyPage5::OnCommand(UINT id, UINT code, HWND control) {
    if (code != BN_CLICKED) return ShredderPage::OnCommand(id, code, control);
    if (id == IDC_RECYCLE_SHRED_NOW) {
        ShredRecycleBin();
        return true;
    }
    if (id == IDC_RECYCLE_SCHEDULE) {
        CAlertDlg alert(App().Texts(), App().Skin(), SheetHandle());
        RecyclePageModel(context_.Get(), alert).OnSchedule();
        return true;
    }
    return ShredderPage::OnCommand(id, code, control);
}

}  // namespace shredder
