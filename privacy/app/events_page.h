// CEventsPage: the second page of the main window, the proxy's event log.
// A refresh appends rows only for events logged since the last one; a
// deletion, a clear or a language change rebuilds the list.
#pragma once
#include <vector>

#include "privacy/app/list_page.h"
#include "privacy/app/page_rules.h"
#include "privacy/core/site_list.h"
#include "privacy/look/skin_button.h"

namespace privacy {

constexpr UINT_PTR kEventsTimer = 9501;

// Shows the information dialog of `event` (with before and after for
// blocked user information) modally over `owner`.
void ShowEventInformation(HWND owner, const CEventRecord& event);

class CEventsPage : public CListPage {
public:
    explicit CEventsPage(SiteList& sites);

protected:
    bool OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void Refresh() override;
    void OnLanguageChanged() override;
    int CompareRecords(size_t a, size_t b) const override;

private:
    void Rebuild();

    SiteList& sites_;
    CSkinButton clear_;
    std::vector<CEventRecord> shown_;  // the events the rows index
    EventRows rows_;
};

}  // namespace privacy
