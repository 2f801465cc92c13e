// CListPage: what the Sites and Events pages share: a striped report list
// refreshed by a 3-second timer (also while the window is hidden), sorted by
// the column a header click picks, texts re-applied on a language change,
// the skin seen through the background, and Enter and Esc doing nothing.
#pragma once
#include <initializer_list>

#include "platform/ui/dialog.h"
#include "privacy/app/list_order.h"
#include "privacy/app/page_helpers.h"
#include "privacy/look/striped_list.h"

namespace privacy {

class CListPage : public ui::Dialog {
public:
    CListPage(int templateId, UINT_PTR timer);

protected:
    void OnOK() override {}
    void OnCancel() override {}
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

    // Binds list `id` (see PrepareReportList), tags the page for language
    // changes and starts the refresh timer.
    void PrepareList(int id, int menu, int openCommand, int deleteCommand,
                     std::initializer_list<ListColumn> columns);
    // Rebuilds or extends the rows when the records changed.
    virtual void Refresh() = 0;
    // Re-applies the texts and shows every row anew.
    virtual void OnLanguageChanged() = 0;
    // Compares the records behind two rows' item data in sort_.
    virtual int CompareRecords(size_t a, size_t b) const = 0;
    void Resort();

    CStripedListCtrl list_;
    ListSort sort_;

private:
    static int CALLBACK CompareRows(LPARAM a, LPARAM b, LPARAM page);

    UINT_PTR timer_;
};

}  // namespace privacy
