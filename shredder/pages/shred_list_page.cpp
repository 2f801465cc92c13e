#include "shredder/pages/shred_list_page.h"

#include "common/files/dropped_paths.h"
#include "shredder/shredder_app.h"

namespace shredder {

ShredListPage::ShredListPage(int templateId, CShredderApp& app, int listId, const TextRef& column)
    : ShredderPage(templateId, app), context_(app), listId_(listId), column_(column) {}

bool ShredListPage::OnInitDialog() {
    ShredderPage::OnInitDialog();
    App().Skin().ApplySkin(Handle());
    list_.SubclassDlgItem(listId_, Handle());
    list_.SetExtendedStyle(list_.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    list_.InsertColumn(0, App().Texts().Text(column_));
    list_.FitColumnToHeader(0);
    DragAcceptFiles(Handle(), TRUE);
    return true;
}

bool ShredListPage::OnSetActive() {
    SetLanguageTexts();
    context_.Refresh();
    EnableItem(kScheduleButton, Model().ScheduleEnabled());
    return ShredderPage::OnSetActive();
}

void ShredListPage::ShowRows() {
    list_.DeleteAllItems();
    const PathRows& rows = Model().Rows();
    for (size_t i = 0; i < rows.size(); ++i) list_.InsertItem(static_cast<int>(i), rows[i].text);
    list_.FitColumn(0);
}

std::vector<int> ShredListPage::SelectedRows() const {
    std::vector<int> rows;
    for (int row = list_.GetNextItem(-1, LVNI_SELECTED); row >= 0;
         row = list_.GetNextItem(row, LVNI_SELECTED))
        rows.push_back(row);
    return rows;
}

void ShredListPage::ReportUnnamed(const std::vector<std::string>& unnamed) {
    for (const std::string& shown : unnamed)
        App().Messages().Tell(FillIn(App().Texts().Text(texts::kUnnamed), "%s", shown),
                              MB_OK | MB_ICONWARNING);
}

void ShredListPage::OnDropFiles(HDROP drop) {
    const files::NamedPaths named = files::ReadDroppedPaths(drop);
    DragFinish(drop);
    ReportUnnamed(named.unnamed);
    Model().OnDropFiles(named.paths);
    ShowRows();
}

bool ShredListPage::OnCommand(UINT id, UINT code, HWND control) {
    if (code != BN_CLICKED) return ShredderPage::OnCommand(id, code, control);
    switch (id) {
    case kRemoveItemButton: Model().OnRemoveItem(SelectedRows()); break;
    case kRemoveAllButton: Model().OnRemoveAll(); break;
    case kShredNowButton: Model().OnShredNow(); break;
    case kScheduleButton: Model().OnSchedule(); break;
    default: return ShredderPage::OnCommand(id, code, control);
    }
    ShowRows();
    return true;
}

LRESULT ShredListPage::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DROPFILES) {
        OnDropFiles(reinterpret_cast<HDROP>(wp));
        return 0;
    }
    return ShredderPage::WindowProc(msg, wp, lp);
}

}  // namespace shredder
