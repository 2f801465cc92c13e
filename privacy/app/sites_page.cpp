#include "privacy/app/sites_page.h"

#include <algorithm>

#include "privacy/app/blocking_options_dlg.h"
#include "privacy/app/list_texts.h"
#include "privacy/app/page_helpers.h"
#include "privacy/app/res/sites_page_res.h"
#include "privacy/core/privacy_policy.h"
#include "privacy/look/language_texts.h"
#include "privacy/look/look_messages.h"

namespace privacy {
namespace {

const std::initializer_list<ListColumn> kColumns = {{115, 13}, {40, 14}, {75, 15}, {120, 16}};
constexpr UINT kRefreshEvery = 3000;

}  // namespace

bool ApplyBlockingOptions(SiteList& sites, size_t index, bool ok, const BlockingChoice& choice,
                          UrlCacheCleaner& cache) {
    if (!ok) return false;
    std::string host;
    sites.Edit([&](PrivacySettings& settings) {
        if (index >= settings.sites.size()) return;
        StoreChoice(choice, settings.sites[index]);
        host = settings.sites[index].host;
    });
    if (host.empty()) return false;
    if (ChoiceEmptiesCache(choice)) cache.DeleteSiteFiles(host);
    return true;
}

CSitesPage::CSitesPage(SiteList& sites, UrlCacheCleaner& cache)
    : Dialog(IDD_SITES_PAGE), sites_(sites), cache_(cache) {}

bool CSitesPage::OnInitDialog() {
    Dialog::OnInitDialog();
    TagForLanguage(Handle());
    PrepareReportList(list_, IDC_SITE_LIST, Handle(), IDR_SITE_MENU, ID_SITE_OPTIONS,
                      ID_SITE_DELETE, kColumns);
    int id = IDC_REMOVE_DEFAULT_SITES;
    for (CSkinButton& button : buttons_) button.BindDlgItem(id++, Handle());
    SetTimer(kSitesTimer, kRefreshEvery);
    return true;
}

void CSitesPage::ApplyTexts() {
    ApplyItemTexts(Handle(), {{IDC_SHOW_ALL_SITES, 8}, {IDC_HIDE_ALL_SITES, 9},
                              {IDC_HIDE_DEFAULT_SITES, 10}, {IDC_REMOVE_ALL_SITES, 11},
                              {IDC_REMOVE_DEFAULT_SITES, 12}});
    ApplyColumnTitles(list_, kColumns);
}

void CSitesPage::Refresh() {
    if (!sites_.TakeSitesChanged()) return;
    shown_ = sites_.Snapshot().sites;
    list_.DeleteAllItems();
    const int64_t now = Now();
    for (size_t i = 0; i < shown_.size(); ++i) {
        const CSiteRecord& site = shown_[i];
        if (site.hidden) continue;
        const int row = list_.InsertItem(list_.GetItemCount(), site.host, static_cast<LPARAM>(i));
        list_.SetItemText(row, 1, std::to_string(site.hits));
        list_.SetItemText(row, 2, AccessText(site.lastAccess, now));
        list_.SetItemText(row, 3, BlockedItemsText(site));
    }
    Resort();
}

int CALLBACK CSitesPage::CompareRows(LPARAM a, LPARAM b, LPARAM page) {
    const CSitesPage& self = *reinterpret_cast<const CSitesPage*>(page);
    return CompareSites(self.shown_, static_cast<size_t>(a), static_cast<size_t>(b), self.sort_);
}

void CSitesPage::Resort() { list_.SortItems(&CompareRows, reinterpret_cast<LPARAM>(this)); }

void CSitesPage::EditSites(const std::function<void(std::vector<CSiteRecord>&)>& edit) {
    sites_.Edit([&](PrivacySettings& settings) { edit(settings.sites); });
    Refresh();
}

void CSitesPage::EditBlockingOptions(int index) {
    if (index < 0 || static_cast<size_t>(index) >= shown_.size()) return;
    CBlockingOptionsDlg dialog(ChoiceOf(shown_[static_cast<size_t>(index)]));
    const bool ok = dialog.DoModal(Handle()) == IDOK;
    if (ApplyBlockingOptions(sites_, static_cast<size_t>(index), ok, dialog.Choice(), cache_))
        Refresh();
}

bool CSitesPage::OnCommand(UINT id, UINT code, HWND control) {
    const int selected = SelectedData(list_);
    const auto at = [selected](std::vector<CSiteRecord>& sites) -> CSiteRecord* {
        return selected >= 0 && static_cast<size_t>(selected) < sites.size()
                   ? &sites[static_cast<size_t>(selected)]
                   : nullptr;
    };
    const auto usesDefaults = [](const CSiteRecord& site) { return site.useDefaults != 0; };
    switch (id) {
    case ID_SITE_OPTIONS:
        EditBlockingOptions(selected);
        return true;
    case ID_SITE_HIDE:
        if (selected < 0) return true;
        EditSites([&](std::vector<CSiteRecord>& sites) {
            if (CSiteRecord* site = at(sites)) site->hidden = 1;
        });
        return true;
    case ID_SITE_DELETE:
        if (selected < 0) return true;
        EditSites([&](std::vector<CSiteRecord>& sites) {
            if (at(sites) != nullptr) sites.erase(sites.begin() + selected);
        });
        return true;
    case IDC_SHOW_ALL_SITES:
    case IDC_HIDE_ALL_SITES:
    case IDC_HIDE_DEFAULT_SITES:
        EditSites([id, &usesDefaults](std::vector<CSiteRecord>& sites) {
            for (CSiteRecord& site : sites) {
                if (id == IDC_HIDE_DEFAULT_SITES && !usesDefaults(site)) continue;
                site.hidden = id == IDC_SHOW_ALL_SITES ? 0 : 1;
            }
        });
        return true;
    case IDC_REMOVE_ALL_SITES:
        EditSites([](std::vector<CSiteRecord>& sites) { sites.clear(); });
        return true;
    case IDC_REMOVE_DEFAULT_SITES:
        EditSites([&usesDefaults](std::vector<CSiteRecord>& sites) {
            sites.erase(std::remove_if(sites.begin(), sites.end(), usesDefaults), sites.end());
        });
        return true;
    }
    return Dialog::OnCommand(id, code, control);
}

LRESULT CSitesPage::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (AnswerSeeThrough(msg, wp, result)) return result;
    switch (msg) {
    case WM_LANGUAGE_CHANGED:
        ApplyTexts();
        sites_.MarkSitesChanged();
        Refresh();
        return 0;
    case WM_TIMER:
        Refresh();
        return 0;
    case WM_LIST_COLUMN_CLICKED:
        sort_.Click(static_cast<int>(wp));
        Resort();
        return 0;
    }
    return Dialog::WindowProc(msg, wp, lp);
}

}  // namespace privacy
