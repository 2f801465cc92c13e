#pragma once
// The "Shred Drive" page (107): the fixed drives with their sizes, free
// space or the whole drive (left or formatted), Shred Now and, for free
// space, Schedule. A thin window over DrivePageModel. It also owns the
// drive options dialog that command-line drive items ask.
#include <memory>

#include "platform/ui/list_view.h"
#include "shredder/pages/drive_options_dlg.h"
#include "shredder/pages/option_rules/drive_page_model.h"
#include "shredder/window/shredder_page.h"

namespace shredder {

class CMyPropertyPage4 : public ShredderPage {
public:
    explicit CMyPropertyPage4(CShredderApp& app);
    ~CMyPropertyPage4() override;

protected:
    bool OnInitDialog() override;
    bool OnSetActive() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void SetLanguageTexts();
    void FillDriveList();
    void ShowChoice();
    // The model told which row the list has selected now.
    void TakeSelection();
    void OnShredNow();
    void RunShredNow();
    void OnSchedule();

    CDriveOptionsDlg driveOptions_;
    std::unique_ptr<DrivePageModel> model_;
    ui::ListView list_;
    bool running_ = false;
};

}  // namespace shredder
