// CSitesPage: the first page of the main window, the sites the browsers
// visited through the proxy with their hits, last access and blocking
// options, and the commands to hide, remove or re-configure them. The list
// is rebuilt from a snapshot whenever the proxy marked the sites changed.
#pragma once
#include <vector>

#include "platform/ui/dialog.h"
#include "privacy/app/list_order.h"
#include "privacy/app/page_rules.h"
#include "privacy/app/url_cache_cleaner.h"
#include "privacy/core/site_list.h"
#include "privacy/look/skin_button.h"
#include "privacy/look/striped_list.h"

namespace privacy {

constexpr UINT_PTR kSitesTimer = 9500;

// Stores the Blocking Options dialog's answer for site `index`: on OK the
// choice goes into the record and, when it blocks the whole site, popups or
// images, the site's cached files are emptied so the browser fetches them
// again through the proxy. Cancel changes and deletes nothing. False when
// nothing was stored.
bool ApplyBlockingOptions(SiteList& sites, size_t index, bool ok, const BlockingChoice& choice,
                          UrlCacheCleaner& cache);

class CSitesPage : public ui::Dialog {
public:
    CSitesPage(SiteList& sites, UrlCacheCleaner& cache);

protected:
    bool OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}
    bool OnCommand(UINT id, UINT code, HWND control) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void ApplyTexts();
    void Refresh();
    void Resort();
    void EditSites(const std::function<void(std::vector<CSiteRecord>&)>& edit);
    void EditBlockingOptions(int index);
    static int CALLBACK CompareRows(LPARAM a, LPARAM b, LPARAM page);

    SiteList& sites_;
    UrlCacheCleaner& cache_;
    CStripedListCtrl list_;
    CSkinButton buttons_[5];
    std::vector<CSiteRecord> shown_;  // the records the rows index
    ListSort sort_;
};

}  // namespace privacy
