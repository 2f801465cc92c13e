// CEventsPage: the second page of the main window, the proxy's event log.
// A refresh appends rows only for events logged since the last one; a
// deletion, a clear or a language change rebuilds the list.
#pragma once
#include <vector>

#include "platform/ui/dialog.h"
#include "privacy/app/list_order.h"
#include "privacy/app/page_rules.h"
#include "privacy/core/site_list.h"
#include "privacy/look/skin_button.h"
#include "privacy/look/striped_list.h"

namespace privacy {

constexpr UINT_PTR kEventsTimer = 9501;

// Shows the information dialog of `event` (with before and after for
// blocked user information) modally over `owner`.
void ShowEventInformation(HWND owner, const CEventRecord& event);

class CEventsPage : public ui::Dialog {
public:
    explicit CEventsPage(SiteList& sites);

protected:
    bool OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}
    bool OnCommand(UINT id, UINT code, HWND control) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void ApplyTexts();
    void Refresh();
    void Rebuild();
    static int CALLBACK CompareRows(LPARAM a, LPARAM b, LPARAM page);

    SiteList& sites_;
    CStripedListCtrl list_;
    CSkinButton clear_;
    std::vector<CEventRecord> shown_;  // the events the rows index
    EventRows rows_;
    ListSort sort_;
};

}  // namespace privacy
