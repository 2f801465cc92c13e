#include "privacy/app/events_page.h"

#include "privacy/app/event_info_dlg.h"
#include "privacy/app/list_texts.h"
#include "privacy/app/page_helpers.h"
#include "privacy/app/res/events_page_res.h"
#include "privacy/core/privacy_policy.h"
#include "privacy/look/language_texts.h"
#include "privacy/look/look_messages.h"

namespace privacy {
namespace {

const std::initializer_list<ListColumn> kColumns = {{130, 13}, {130, 24}, {75, 25}};
constexpr UINT kRefreshEvery = 3000;

}  // namespace

void ShowEventInformation(HWND owner, const CEventRecord& event) {
    if (event.type == kEventUserInfoBlocked) {
        CEventInfoExDlg(event.host, event.url, event.before, event.after).DoModal(owner);
    } else {
        CEventInfoDlg(event.host, event.url).DoModal(owner);
    }
}

CEventsPage::CEventsPage(SiteList& sites) : Dialog(IDD_EVENTS_PAGE), sites_(sites) {}

bool CEventsPage::OnInitDialog() {
    Dialog::OnInitDialog();
    TagForLanguage(Handle());
    PrepareReportList(list_, IDC_EVENT_LIST, Handle(), IDR_EVENT_MENU, ID_EVENT_INFORMATION,
                      ID_EVENT_DELETE, kColumns);
    clear_.BindDlgItem(IDC_CLEAR_EVENTS, Handle());
    SetTimer(kEventsTimer, kRefreshEvery);
    return true;
}

void CEventsPage::ApplyTexts() {
    ApplyItemTexts(Handle(), {{IDC_CLEAR_EVENTS, 23}});
    ApplyColumnTitles(list_, kColumns);
}

void CEventsPage::Refresh() {
    if (!sites_.TakeEventsChanged()) return;
    // Read together, so no event is logged between the two.
    uint64_t dropped = 0;
    shown_ = sites_.Events(&dropped);
    const EventRows::Plan plan = rows_.Next(shown_.size(), dropped);
    if (plan.rebuild) list_.DeleteAllItems();
    const int64_t now = Now();
    for (size_t i = plan.first; i < shown_.size(); ++i) {
        const CEventRecord& event = shown_[i];
        const int row = list_.InsertItem(list_.GetItemCount(), event.host, static_cast<LPARAM>(i));
        list_.SetItemText(row, 1, EventTypeText(event.type));
        list_.SetItemText(row, 2, AccessText(event.time, now));
    }
    list_.SortItems(&CompareRows, reinterpret_cast<LPARAM>(this));
}

void CEventsPage::Rebuild() {
    rows_.Reset();
    sites_.MarkEventsChanged();
    Refresh();
}

int CALLBACK CEventsPage::CompareRows(LPARAM a, LPARAM b, LPARAM page) {
    const CEventsPage& self = *reinterpret_cast<const CEventsPage*>(page);
    return CompareEvents(self.shown_, static_cast<size_t>(a), static_cast<size_t>(b), self.sort_);
}

bool CEventsPage::OnCommand(UINT id, UINT code, HWND control) {
    const int selected = SelectedData(list_);
    switch (id) {
    case IDC_CLEAR_EVENTS:
        sites_.ClearEvents();
        Rebuild();
        return true;
    case ID_EVENT_DELETE:
        if (selected >= 0 && sites_.DeleteEvent(rows_.Dropped() + static_cast<uint64_t>(selected)))
            Rebuild();
        return true;
    case ID_EVENT_INFORMATION:
        if (selected >= 0 && static_cast<size_t>(selected) < shown_.size())
            ShowEventInformation(Handle(), shown_[static_cast<size_t>(selected)]);
        return true;
    }
    return Dialog::OnCommand(id, code, control);
}

LRESULT CEventsPage::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (AnswerSeeThrough(msg, wp, result)) return result;
    switch (msg) {
    case WM_LANGUAGE_CHANGED:
        ApplyTexts();
        Rebuild();
        return 0;
    case WM_TIMER:
        Refresh();
        break;
    case WM_LIST_COLUMN_CLICKED:
        sort_.Click(static_cast<int>(wp));
        list_.SortItems(&CompareRows, reinterpret_cast<LPARAM>(this));
        return 0;
    }
    return Dialog::WindowProc(msg, wp, lp);
}

}  // namespace privacy
