#include "popup/main_pages.h"

#include "popup/res/resource_ids.h"

namespace {

// The pages from their dialog templates; the window classes of the settings
// pages take their places here as they come.
class TemplatePages : public MainPages {
public:
    ui::PropertyPage& Page(MainPageIndex index) override { return pages_[index]; }
    void SaveActiveXPolicies() override {}
    void ReloadStates() override {}
    void ApplyTexts() override {}
    void StartCleaner() override {}

private:
    ui::PropertyPage pages_[kMainPageCount] = {ui::PropertyPage(IDD_POPUP_PAGE),
                                               ui::PropertyPage(IDD_ACTIVEX_PAGE),
                                               ui::PropertyPage(IDD_OPTIONS_PAGE)};
};

}  // namespace

std::unique_ptr<MainPages> CreateMainPages() { return std::make_unique<TemplatePages>(); }
