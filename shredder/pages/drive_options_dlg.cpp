#include "shredder/pages/drive_options_dlg.h"

#include "shredder/res/drive_options_dlg_res.h"

namespace shredder {

CDriveOptionsDlg::CDriveOptionsDlg(CSkin& skin)
    : Dialog(IDD_DRIVE_OPTIONS), skin_(skin), model_(std::string()) {}

bool CDriveOptionsDlg::Choose(const std::string&, const std::string& fileSystem, bool& freeSpace,
                              bool& formatAfter) {
    model_ = DriveOptionsModel(fileSystem);
    if (DoModal() != IDOK) return false;
    freeSpace = model_.FreeSpace();
    formatAfter = model_.FormatAfter();
    return true;
}

bool CDriveOptionsDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    skin_.ApplySkin(Handle());
    CheckRadioButton(Handle(), IDC_DRIVE_FREE_SPACE, IDC_DRIVE_WHOLE, IDC_DRIVE_FREE_SPACE);
    model_.ChooseFreeSpace();
    ShowChoice();
    return true;
}

void CDriveOptionsDlg::ShowChoice() {
    const DriveOptionsView& view = model_.View();
    EnableItem(IDC_DRIVE_AFTER_GROUP, view.formatGroupEnabled);
    EnableItem(IDC_DRIVE_FORMAT, view.formatGroupEnabled);
    EnableItem(IDC_DRIVE_LEAVE, view.leaveEnabled);
    if (view.formatChecked)
        CheckRadioButton(Handle(), IDC_DRIVE_LEAVE, IDC_DRIVE_FORMAT, IDC_DRIVE_FORMAT);
}

bool CDriveOptionsDlg::OnCommand(UINT id, UINT code, HWND control) {
    if (code != BN_CLICKED) return Dialog::OnCommand(id, code, control);
    switch (id) {
    case IDC_DRIVE_FREE_SPACE: model_.ChooseFreeSpace(); break;
    case IDC_DRIVE_WHOLE: model_.ChooseWholeDrive(); break;
    case IDC_DRIVE_FORMAT: model_.ChooseFormat(); return true;
    case IDC_DRIVE_LEAVE: model_.ChooseLeave(); return true;
    default: return Dialog::OnCommand(id, code, control);
    }
    ShowChoice();
    return true;
}

}  // namespace shredder
