#include "shredder/pages/sub_folder_options_dlg.h"

#include "shredder/pages/shred_control_texts.h"
#include "shredder/res/sub_folder_options_dlg_res.h"

namespace shredder {

namespace {

const TextRef kTitle = {"9208", "SubFolder Options"};
const TextRef kNever = {"9701", "Never"};
const TextRef kPrompt = {"9702", "Prompt"};
const TextRef kAlways = {"9703", "Always"};

// The checked radio of the three from `first`, as a choice.
int CheckedChoice(HWND dialog, int first) {
    for (int choice = kChoiceAlways; choice > kChoiceNever; --choice) {
        if (IsDlgButtonChecked(dialog, first + choice) == BST_CHECKED) return choice;
    }
    return kChoiceNever;
}

}  // namespace

CSubFolderOptionsDlg::CSubFolderOptionsDlg(const ShredderTexts& texts, CSkin& skin,
                                           const std::string& appPath, HWND owner)
    : Dialog(IDD_SUB_FOLDER_OPTIONS), texts_(texts), skin_(skin), appPath_(appPath), owner_(owner) {}

bool CSubFolderOptionsDlg::EditSubFolderOptions(SubFolderOptions& options) {
    options_ = options;
    if (DoModal(owner_) != IDOK) return false;
    options = options_;
    return true;
}

bool CSubFolderOptionsDlg::OnInitDialog() {
    skin_.ApplySkin(Handle());
    SetControlTexts(Handle(), texts_,
                    {{0, kTitle},
                     {IDC_SUBFOLDER_GROUP, {"9700", "&Shred contents of subfolders"}},
                     {IDC_SUBFOLDER_NEVER, kNever},
                     {IDC_SUBFOLDER_PROMPT, kPrompt},
                     {IDC_SUBFOLDER_ALWAYS, kAlways},
                     {IDC_REMOVE_GROUP, {"9704", "&Remove subfolders after shredding"}},
                     {IDC_REMOVE_NEVER, kNever},
                     {IDC_REMOVE_PROMPT, kPrompt},
                     {IDC_REMOVE_ALWAYS, kAlways},
                     {IDCANCEL, {"9705", "Cancel"}},
                     {IDOK, {"9706", "OK"}},
                     {IDC_SUBFOLDER_HELP, {"9609", "Help"}}});
    CheckRadioButton(Handle(), IDC_SUBFOLDER_NEVER, IDC_SUBFOLDER_ALWAYS,
                     IDC_SUBFOLDER_NEVER + options_.folder);
    CheckRadioButton(Handle(), IDC_REMOVE_NEVER, IDC_REMOVE_ALWAYS, IDC_REMOVE_NEVER + options_.remove);
    ApplyEnablingRule();
    return Dialog::OnInitDialog();
}

SubFolderOptions CSubFolderOptionsDlg::Chosen() const {
    return {CheckedChoice(Handle(), IDC_SUBFOLDER_NEVER), CheckedChoice(Handle(), IDC_REMOVE_NEVER)};
}

void CSubFolderOptionsDlg::ApplyEnablingRule() {
    const bool enable = RemoveChoiceEnabled(Chosen());
    for (int id : {IDC_REMOVE_GROUP, IDC_REMOVE_NEVER, IDC_REMOVE_PROMPT, IDC_REMOVE_ALWAYS})
        EnableWindow(GetDlgItem(Handle(), id), enable);
}

void CSubFolderOptionsDlg::OnOK() {
    options_ = Chosen();
    EndDialog(IDOK);
}

bool CSubFolderOptionsDlg::OnCommand(UINT id, UINT code, HWND control) {
    if (id >= IDC_SUBFOLDER_NEVER && id <= IDC_SUBFOLDER_ALWAYS && code == BN_CLICKED) {
        ApplyEnablingRule();
        return true;
    }
    if (id == IDC_SUBFOLDER_HELP) {
        OpenProgramHelp(Handle(), appPath_);
        return true;
    }
    return Dialog::OnCommand(id, code, control);
}

LRESULT CSubFolderOptionsDlg::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_HELP) {
        OpenProgramHelp(Handle(), appPath_);
        return TRUE;
    }
    return Dialog::WindowProc(msg, wp, lp);
}

}  // namespace shredder
