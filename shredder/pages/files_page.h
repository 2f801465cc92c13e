#pragma once
// The "Shred Files" page: files gathered by dropping or browsing, shredded
// now or scheduled.
#include "shredder/pages/shred_list_page.h"
#include "shredder/pages/shredding/files_model.h"

namespace shredder {

class CMyPropertyPage2 : public ShredListPage {
public:
    explicit CMyPropertyPage2(CShredderApp& app);

protected:
    ShredListModel& Model() override { return model_; }
    void SetLanguageTexts() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    FilesPageModel model_;
};

}  // namespace shredder
