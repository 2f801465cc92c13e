#include "shredder/pages/drive_page.h"

#include "common/suite/scourwell.h"
#include "platform/ui/html_help.h"
#include "shredder/pages/shred_control_texts.h"
#include "shredder/pages/list_text_widths.h"
#include "shredder/pages/option_rules/option_texts.h"
#include "shredder/res/drive_page_res.h"
#include "shredder/shredder_app.h"

namespace shredder {

CMyPropertyPage4::CMyPropertyPage4(CShredderApp& app)
    : ShredderPage(IDD_DRIVE_PAGE, app), driveOptions_(app.Skin()) {
    app.DriveWipes().SetChooser(&driveOptions_);
}

CMyPropertyPage4::~CMyPropertyPage4() { App().DriveWipes().SetChooser(nullptr); }

bool CMyPropertyPage4::OnInitDialog() {
    PropertyPage::OnInitDialog();
    App().Skin().ApplySkin(Handle());
    list_.SubclassDlgItem(IDC_DRIVE_LIST, Handle());
    list_.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    for (int column = 0; column < kDriveColumns; ++column)
        list_.InsertColumn(column, App().Texts().Text(texts::drive::kHeaders[column]));
    CheckRadioButton(Handle(), IDC_DRIVE_FREE_SPACE, IDC_DRIVE_WHOLE, IDC_DRIVE_FREE_SPACE);
    model_.reset(new DrivePageModel(App().Engine().Drives().fixed, App().SchedulerUnavailable()));
    FillDriveList();
    ShowChoice();
    return true;
}

void CMyPropertyPage4::FillDriveList() {
    const std::vector<FixedDrive>& drives = App().Engine().Drives().fixed;
    std::vector<std::string> headers;
    for (int column = 0; column < kDriveColumns; ++column) {
        headers.push_back(App().Texts().Text(texts::drive::kHeaders[column]));
    }
    for (size_t i = 0; i < drives.size(); ++i) {
        const int row = list_.InsertItem(static_cast<int>(i), DriveCellText(drives[i], 0));
        for (int column = 1; column < kDriveColumns; ++column)
            list_.SetItemText(row, column, DriveCellText(drives[i], column));
    }
    const std::vector<int> widths = DriveColumnWidths(drives, headers, ListTextWidths(list_));
    for (int column = 0; column < kDriveColumns; ++column) list_.SetColumnWidth(column, widths[column]);
}

void CMyPropertyPage4::SetLanguageTexts() {
    SetControlTexts(Handle(), App().Texts(),
                    {{IDC_DRIVE_CHOOSE_GROUP, texts::drive::kChooseDrive},
                     {IDC_DRIVE_SHRED_NOW, texts::drive::kShredNow},
                     {IDC_DRIVE_SCHEDULE, texts::drive::kSchedule},
                     {IDC_DRIVE_WHOLE, texts::drive::kWholeDrive},
                     {IDC_DRIVE_AFTER_GROUP, texts::drive::kAfterWholeDrive},
                     {IDC_DRIVE_LEAVE, texts::drive::kLeaveDrive},
                     {IDC_DRIVE_FORMAT, texts::drive::kFormatDrive}});
}

bool CMyPropertyPage4::OnSetActive() {
    SetLanguageTexts();
    ShowChoice();
    return PropertyPage::OnSetActive();
}

void CMyPropertyPage4::ShowChoice() {
    const DriveChoiceView& view = model_->View();
    for (int id : {IDC_DRIVE_AFTER_GROUP, IDC_DRIVE_LEAVE, IDC_DRIVE_FORMAT})
        ShowItem(id, view.formatGroupVisible);
    EnableItem(IDC_DRIVE_LEAVE, view.leaveEnabled);
    CheckRadioButton(Handle(), IDC_DRIVE_LEAVE, IDC_DRIVE_FORMAT,
                     view.formatChecked ? IDC_DRIVE_FORMAT : IDC_DRIVE_LEAVE);
    EnableItem(IDC_DRIVE_SCHEDULE, view.scheduleEnabled);
}

void CMyPropertyPage4::TakeSelection() {
    model_->Select(list_.GetNextItem(-1, LVNI_SELECTED));
}

void CMyPropertyPage4::OnShredNow() {
    // A run's questions pump messages: no second run starts inside them.
    if (running_) return;
    running_ = true;
    RunShredNow();
    running_ = false;
}

void CMyPropertyPage4::RunShredNow() {
    App().Engine().ClearAbort();
    TakeSelection();
    const DriveRun run = model_->ShredNow();
    ShowChoice();
    if (!run.selected) {
        App().Messages().Ask(App().Texts().Text(texts::drive::kNoDrive), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (run.wholeDrive) {
        if (App().Sheet()) App().Sheet()->SetFormatDriveName(run.displayName);
        App().DriveWipes().ShredDrive(run.root, run.displayName, run.fileSystem, run.formatAfter);
        App().Engine().DestroyProgressDialog();
    } else {
        App().Engine().ShredFreeSpace(run.root);
    }
}

void CMyPropertyPage4::OnSchedule() {
    TakeSelection();
    const std::string root = model_->ScheduleRoot();
    if (root.empty()) {
        App().Messages().Ask(App().Texts().Text(texts::drive::kNoDrive), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const std::string name = App().CreateScheduledTask();
    if (name.empty()) return;
    JobDispatch& job = App().Job();
    job.SetCommandLine(suite::scourwell::DriveTaskLine(name, App().Settings().Method(), 0, root));
    job.Save();
    job.ShowProperties();
}

bool CMyPropertyPage4::OnCommand(UINT id, UINT code, HWND control) {
    if (code == BN_CLICKED) {
        switch (id) {
        case IDC_DRIVE_FREE_SPACE: model_->ChooseFreeSpace(); ShowChoice(); return true;
        case IDC_DRIVE_WHOLE: model_->ChooseWholeDrive(); ShowChoice(); return true;
        case IDC_DRIVE_LEAVE: model_->ChooseLeave(); return true;
        case IDC_DRIVE_FORMAT: model_->ChooseFormat(); return true;
        case IDC_DRIVE_SHRED_NOW: OnShredNow(); return true;
        case IDC_DRIVE_SCHEDULE: OnSchedule(); return true;
        }
    }
    return PropertyPage::OnCommand(id, code, control);
}

// The sheet closes: the progress window and the help viewer with it. The
// pass buffer stays with the application, which frees it once.
LRESULT CMyPropertyPage4::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DESTROY) {
        App().Engine().DestroyProgressDialog();
        ui::CloseHtmlHelp();
    }
    return PropertyPage::WindowProc(msg, wp, lp);
}

bool CMyPropertyPage4::OnNotify(NMHDR& header, LRESULT& result) {
    if (header.idFrom == IDC_DRIVE_LIST && header.code == LVN_ITEMCHANGED) {
        const NMLISTVIEW& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if ((change.uChanged & LVIF_STATE) && (change.uNewState & (LVIS_SELECTED | LVIS_FOCUSED)) &&
            !(change.uOldState & LVIS_SELECTED)) {
            model_->Select(change.iItem);
            ShowChoice();
        }
    }
    return PropertyPage::OnNotify(header, result);
}

}  // namespace shredder
