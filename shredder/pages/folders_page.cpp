#include "shredder/pages/folders_page.h"

#include "shredder/pages/path_choosers.h"
#include "shredder/pages/sub_folder_options_dlg.h"
#include "shredder/res/folders_page_res.h"
#include "shredder/shredder_app.h"

namespace shredder {

namespace {
const TextRef kFolderColumn = {"9209", "Folder Name"};
}  // namespace

CMyPropertyPage3::CMyPropertyPage3(CShredderApp& app)
    : ShredListPage(IDD_FOLDERS_PAGE, app, IDC_FOLDERS_LIST, kFolderColumn), model_(Context()) {}

bool CMyPropertyPage3::OnInitDialog() {
    model_.OnInitDialog();
    return ShredListPage::OnInitDialog();
}

void CMyPropertyPage3::SetLanguageTexts() {
    SetControlTexts(
        Handle(), App().Texts(),
        {{kListGroup, {"9201", "Add Folders"}},
         {kListHint, {"9202", "Drag and drop folders in the list box or use browse button"}},
         {kBrowseButton, {"9103", "&Browse"}},
         {kScheduleButton, {"9104", "&Schedule"}},
         {kShredNowButton, {"9105", "Shred &Now"}},
         {kRemoveItemButton, {"9206", "&Remove Item"}},
         {kRemoveAllButton, {"9207", "Remove &All"}},
         {IDC_SUBFOLDER_OPTIONS, {"9208", "SubFolder &Options"}}});
}

bool CMyPropertyPage3::OnCommand(UINT id, UINT code, HWND control) {
    if (code == BN_CLICKED && id == kBrowseButton) {
        std::string folder, unnamed;
        BrowseForFolder(folder, std::string(), Handle(), std::string(), std::string(), &unnamed);
        if (!unnamed.empty()) ReportUnnamed({unnamed});
        model_.OnBrowse(folder);
        ShowRows();
        return true;
    }
    if (code == BN_CLICKED && id == IDC_SUBFOLDER_OPTIONS) {
        CSubFolderOptionsDlg dialog(App().Texts(), App().Skin(), App().AppPath(), SheetHandle());
        model_.OnSubFolderOptions(dialog);
        return true;
    }
    return ShredListPage::OnCommand(id, code, control);
}

}  // namespace shredder
