#include "shredder/task_name_dlg.h"

#include "shredder/res/task_name_dlg_res.h"

namespace shredder {

CTaskNameDlg::CTaskNameDlg(ScheduleDispatch& schedule, JobDispatch& job, const ShredderTexts& texts,
                           Messenger& messenger, CSkin& skin, HWND owner)
    : Dialog(IDD_TASK_NAME),
      schedule_(schedule),
      job_(job),
      texts_(texts),
      messenger_(messenger),
      skin_(skin),
      owner_(owner) {}

bool CTaskNameDlg::AskTaskName(std::string& name) {
    name_.clear();
    if (DoModal(owner_) != IDOK) return false;
    name = name_;
    return true;
}

bool CTaskNameDlg::OnInitDialog() {
    skin_.ApplySkin(Handle());
    SetWindowTextA(Handle(), texts_.Text(texts::kTaskDialogTitle).c_str());
    SetDlgItemTextA(Handle(), IDC_TASK_PROMPT, texts_.Text(texts::kTaskDialogPrompt).c_str());
    SetDlgItemTextA(Handle(), IDOK, texts_.Text(texts::kTaskDialogOk).c_str());
    SetDlgItemTextA(Handle(), IDCANCEL, texts_.Text(texts::kTaskDialogCancel).c_str());
    return Dialog::OnInitDialog();
}

void CTaskNameDlg::OnOK() {
    char text[261] = {};
    GetDlgItemTextA(Handle(), IDC_TASK_NAME, text, sizeof text);
    const std::string name = text;
    if (name.empty()) {
        messenger_.Ask(texts_.Text(texts::kEnterTaskName), MB_OK | MB_ICONSTOP);
        return;
    }
    if (!IsValidTaskName(name)) {
        messenger_.Ask(texts_.Text(texts::kTaskNameCharacters), MB_OK | MB_ICONSTOP);
        return;
    }
    if (TaskNameTaken(schedule_, job_, name)) {
        messenger_.Ask(texts_.Text(texts::kTaskExists), MB_OK | MB_ICONSTOP);
        return;
    }
    name_ = name;
    EndDialog(IDOK);
}

}  // namespace shredder
