#pragma once
// The "Shred Folders" page: folders gathered by dropping or browsing,
// shredded now or scheduled, with the subfolder options.
#include "shredder/pages/shred_list_page.h"
#include "shredder/pages/shredding/folders_model.h"

namespace shredder {

class CMyPropertyPage3 : public ShredListPage {
public:
    explicit CMyPropertyPage3(CShredderApp& app);

protected:
    ShredListModel& Model() override { return model_; }
    void SetLanguageTexts() override;
    bool OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    FoldersPageModel model_;
};

}  // namespace shredder
