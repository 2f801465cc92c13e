#include "privacy/app/trace_page.h"

#include <shellapi.h>

#include "privacy/app/page_helpers.h"
#include "privacy/app/res/trace_page_res.h"
#include "privacy/cache/runnable_files.h"
#include "privacy/cache/url_cache.h"
#include "privacy/look/language_texts.h"
#include "privacy/look/look_messages.h"

namespace privacy {
namespace {

const std::initializer_list<ListColumn> kSiteColumns = {{80, 36}};
const std::initializer_list<ListColumn> kEntryColumns = {{50, 24}, {300, 35}};
constexpr int kKindTextKey = 31;  // + kind: History, Cookie, File

}  // namespace

void OpenWithShell(HWND owner, const std::string& file) {
    ShellExecuteA(owner, "open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

CTracePage::CTracePage(ui::MessagePrompt& prompt, FileOpener open)
    : Dialog(IDD_TRACE_PAGE), prompt_(prompt), open_(std::move(open)) {}

bool CTracePage::OnInitDialog() {
    Dialog::OnInitDialog();
    TagForLanguage(Handle());
    PrepareReportList(siteList_, IDC_TRACE_SITES, Handle(), 0, 0, 0, kSiteColumns);
    PrepareReportList(entryList_, IDC_TRACE_ENTRIES, Handle(), IDR_TRACE_MENU, ID_TRACE_OPEN,
                      ID_TRACE_DELETE, kEntryColumns);
    refresh_.BindDlgItem(IDC_TRACE_REFRESH, Handle());
    Refresh();
    return true;
}

void CTracePage::ApplyTexts() {
    ApplyItemTexts(Handle(), {{IDC_TRACE_REFRESH, 34}});
    ApplyColumnTitles(entryList_, kEntryColumns);
    ApplyColumnTitles(siteList_, kSiteColumns);
}

void CTracePage::Refresh() {
    // Rows first: emptying a list with a chosen site asks for its entries.
    siteList_.DeleteAllItems();
    entryList_.DeleteAllItems();
    ReadTraceList(traces_);
    for (int site : traces_.SitesByName()) {
        siteList_.InsertItem(siteList_.GetItemCount(), traces_.sites()[site].name, site);
    }
}

void CTracePage::ShowSiteEntries() {
    entryList_.DeleteAllItems();
    for (int index : traces_.EntriesOf(SelectedData(siteList_), sortColumn_)) {
        const CTraceEntry& entry = traces_.entries()[index];
        const int row = entryList_.InsertItem(entryList_.GetItemCount(), Text(kKindTextKey + entry.kind), index);
        entryList_.SetItemText(row, 1, entry.url);
    }
}

int CALLBACK CTracePage::CompareEntries(LPARAM a, LPARAM b, LPARAM page) {
    const CTracePage& self = *reinterpret_cast<const CTracePage*>(page);
    const int x = static_cast<int>(a), y = static_cast<int>(b);
    if (self.traces_.EntryBefore(x, y, self.sortColumn_)) return -1;
    return self.traces_.EntryBefore(y, x, self.sortColumn_) ? 1 : 0;
}

void CTracePage::OpenEntry() {
    const int index = SelectedData(entryList_);
    if (index < 0) return;
    const std::string& file = traces_.entries()[index].localFile;
    if (file.empty()) return;
    if (OpeningRunsCode(file)) {
        prompt_.Show(Text(kTextRunsCode) + "\n\n" + file, Text(1), MB_OK | MB_ICONWARNING);
        return;
    }
    open_(Handle(), file);
}

void CTracePage::DeleteEntry() {
    const int row = entryList_.GetNextItem(-1, LVNI_SELECTED);
    if (row < 0) return;
    DeleteCacheEntry(traces_.entries()[entryList_.GetItemData(row)].url);
    entryList_.DeleteItem(row);
}

void CTracePage::DeleteSiteEntries() {
    const int site = SelectedData(siteList_);
    if (site < 0) return;
    for (int index : traces_.sites()[site].entries) DeleteCacheEntry(traces_.entries()[index].url);
    Refresh();
}

bool CTracePage::OnCommand(UINT id, UINT code, HWND control) {
    switch (id) {
    case IDC_TRACE_REFRESH: Refresh(); return true;
    case ID_TRACE_OPEN: OpenEntry(); return true;
    case ID_TRACE_DELETE: DeleteEntry(); return true;
    case ID_TRACE_DELETE_ALL: DeleteSiteEntries(); return true;
    }
    return Dialog::OnCommand(id, code, control);
}

bool CTracePage::OnNotify(NMHDR& header, LRESULT& result) {
    if (header.idFrom == IDC_TRACE_SITES && header.code == LVN_ITEMCHANGED) {
        const NMLISTVIEW& change = reinterpret_cast<NMLISTVIEW&>(header);
        if (change.uChanged & LVIF_STATE && change.uNewState & LVIS_SELECTED) ShowSiteEntries();
        result = 0;
        return true;
    }
    return Dialog::OnNotify(header, result);
}

LRESULT CTracePage::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (AnswerSeeThrough(Handle(), msg, wp, result)) return result;
    switch (msg) {
    case WM_LANGUAGE_CHANGED:
        ApplyTexts();
        Refresh();
        return 0;
    case WM_LIST_COLUMN_CLICKED:
        sortColumn_ = static_cast<int>(wp);
        entryList_.SortItems(&CompareEntries, reinterpret_cast<LPARAM>(this));
        return 0;
    }
    return Dialog::WindowProc(msg, wp, lp);
}

}  // namespace privacy
