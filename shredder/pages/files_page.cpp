#include "shredder/pages/files_page.h"

#include "shredder/pages/path_choosers.h"
#include "shredder/res/files_page_res.h"
#include "shredder/shredder_app.h"

namespace shredder {

namespace {
const TextRef kFileColumn = {"9108", "File Name"};
}  // namespace

CMyPropertyPage2::CMyPropertyPage2(CShredderApp& app)
    : ShredListPage(IDD_FILES_PAGE, app, IDC_FILES_LIST, kFileColumn), model_(Context()) {}

void CMyPropertyPage2::SetLanguageTexts() {
    SetControlTexts(Handle(), App().Texts(),
                    {{kListGroup, {"9101", "Add Files"}},
                     {kListHint, {"9102", "Drag and drop files in the list box or use browse button"}},
                     {kBrowseButton, {"9103", "&Browse"}},
                     {kScheduleButton, {"9104", "&Schedule"}},
                     {kShredNowButton, {"9105", "Shred &Now"}},
                     {kRemoveItemButton, {"9106", "&Remove Item"}},
                     {kRemoveAllButton, {"9107", "Remove &All"}}});
}

bool CMyPropertyPage2::OnCommand(UINT id, UINT code, HWND control) {
    if (id != kBrowseButton || code != BN_CLICKED) return ShredListPage::OnCommand(id, code, control);
    const files::NamedPaths chosen = ChooseFiles(SheetHandle());
    ReportUnnamed(chosen.unnamed);
    model_.OnBrowse(chosen.paths);
    ShowRows();
    return true;
}

}  // namespace shredder
