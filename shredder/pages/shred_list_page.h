#pragma once
// The window both list pages share: the list of rows over the page's
// model, dropped files, and the Remove Item, Remove All, Shred Now and
// Schedule buttons. The pages add their Browse and texts.
#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "shredder/pages/app_page_context.h"
#include "shredder/pages/shred_control_texts.h"
#include "shredder/pages/shredding/shred_list_model.h"
#include "shredder/window/shred_list_ctrl.h"
#include "shredder/window/shredder_page.h"

namespace shredder {

// Control ids both list pages use.
constexpr int kBrowseButton = 1001;
constexpr int kRemoveItemButton = 1002;
constexpr int kShredNowButton = 1003;
constexpr int kScheduleButton = 1004;
constexpr int kRemoveAllButton = 1006;
constexpr int kListGroup = 1043;
constexpr int kListHint = 1041;

class ShredListPage : public ShredderPage {
protected:
    ShredListPage(int templateId, CShredderApp& app, int listId, const TextRef& column);

    // The page's model, made by the derived page over Context().
    virtual ShredListModel& Model() = 0;
    // The language texts of the page's controls.
    virtual void SetLanguageTexts() = 0;

    ShredPageContext& Context() { return context_.Get(); }
    // The list as the model holds it.
    void ShowRows();
    // Says of each chosen or dropped path that no ANSI spelling reaches
    // that it was not added.
    void ReportUnnamed(const std::vector<std::string>& unnamed);

    bool OnInitDialog() override;
    bool OnSetActive() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    std::vector<int> SelectedRows() const;
    void OnDropFiles(HDROP drop);

    AppPageContext context_;
    CShredListCtrl list_;
    int listId_;
    TextRef column_;
};

}  // namespace shredder
