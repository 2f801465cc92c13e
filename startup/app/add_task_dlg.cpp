#include "startup/app/add_task_dlg.h"

#include "platform/ui/controls.h"
#include "platform/ui/dialog.h"
#include "platform/ui/skin.h"
#include "startup/app/rtl_layout.h"
#include "startup/app/texts.h"
#include "startup/core/add_task.h"
#include "startup/res/resource_ids.h"

namespace startup {
namespace {

class CAddTaskDlg : public ui::Dialog {
public:
    CAddTaskDlg(const AddTaskOptions& options, EntryRow* added)
        : ui::Dialog(IDD_ADD_TASK), options_(options), added_(added) {}

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    void SetCaptions();
    void OnLocationChosen();
    void OnBrowse();
    bool ConfirmReplace(const AddTaskInput& input);

    const AddTaskOptions& options_;
    EntryRow* added_;
    ui::ComboBox places_;
    CSkin skin_;
    std::vector<std::string> names_;
};

bool CAddTaskDlg::OnInitDialog() {
    if (skin_.Create()) {
        skin_.LoadSkin(options_.language->ProgramFolder() + "\\Title.skn");
        skin_.ApplySkin(Handle());
    }
    if (options_.language->IsRightToLeft()) MirrorLayout(Handle());
    SetCaptions();
    places_.SubclassDlgItem(IDC_ADD_IN, Handle());
    names_ = GetLocationNames(*options_.language);
    for (const std::string& name : names_) places_.AddString(name);
    places_.SetCurSel(0);
    OnLocationChosen();
    return true;
}

void CAddTaskDlg::SetCaptions() {
    const Language& texts = *options_.language;
    SetText(texts.Text("201", "Add Task"));
    SetItemText(IDC_NAME_LABEL, texts.Text("151", "Task Name:"));
    SetItemText(IDC_ADD_IN_LABEL, texts.Text("202", "Add in        :"));
    SetItemText(IDC_LOCATION_LABEL, texts.Text("156", "Location   :"));
    SetItemText(IDC_BROWSE, texts.Text("205", "&Browse"));
    SetItemText(IDOK, texts.Text("203", "&Add"));
    SetItemText(IDCANCEL, texts.Text("204", "&Cancel"));
}

bool CAddTaskDlg::OnCommand(UINT id, UINT code, HWND control) {
    if (id == IDC_ADD_IN && code == CBN_SELCHANGE) {
        OnLocationChosen();
        return true;
    }
    if (id == IDC_BROWSE && code == BN_CLICKED) {
        OnBrowse();
        return true;
    }
    return ui::Dialog::OnCommand(id, code, control);
}

void CAddTaskDlg::OnLocationChosen() {
    EnableItem(IDC_TASK_NAME, NameFieldEnabled(places_.GetCurSel()));
}

void CAddTaskDlg::OnBrowse() {
    SetItemText(IDC_LOCATION, options_.shell->PickFile(
                                  Handle(), false, "Programs (*.exe)|*.exe|All Files (*.*)|*.*",
                                  nullptr));
}

bool CAddTaskDlg::ConfirmReplace(const AddTaskInput& input) {
    if (NameFieldEnabled(input.place)) {
        if (!options_.nameTaken || !options_.nameTaken(input.place, input.name)) return true;
        return options_.prompt->Show(MessageText(*options_.language, kMsgReplaceOnAdd) + "\n\n" +
                                         input.name + " (" + input.placeLabel + ")",
                                     options_.caption, MB_YESNO | MB_ICONQUESTION) == IDYES;
    }
    const bool load = input.place == kWinIniLoad;
    const std::string& current = load ? options_.winIniLoad : options_.winIniRun;
    if (current.empty()) return true;
    const std::string text = std::string("The win.ini \"") + (load ? "Load" : "Run") +
                             "\" value already holds:\n" + current +
                             "\n\nThe new entry replaces the whole value. Add it anyway?";
    return options_.prompt->Show(text, options_.caption, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void CAddTaskDlg::OnOK() {
    AddTaskInput input;
    input.place = places_.GetCurSel();
    if (input.place < 0 || input.place >= static_cast<int>(names_.size())) return;
    input.placeLabel = names_[input.place];
    input.name = GetItemText(IDC_TASK_NAME);
    input.location = GetItemText(IDC_LOCATION);
    switch (CheckAddTask(input)) {
    case AddTaskCheck::EmptyField:
        options_.prompt->Show(MessageText(*options_.language, kMsgEmptyField), options_.caption,
                              MB_OK);
        break;
    case AddTaskCheck::BadShortcutName:
        // The name becomes a file name: the user may correct it.
        options_.prompt->Show(
            "A task name in a Startup folder becomes a shortcut file name: it cannot hold "
            "\\ / : * ? \" < > | or \"..\".",
            options_.caption, MB_OK | MB_ICONEXCLAMATION);
        return;
    case AddTaskCheck::Ok:
        if (!ConfirmReplace(input)) return;
        *added_ = MakeAddedRow(input, LabelsFrom(*options_.language), *options_.language);
        EndDialog(IDOK);
        return;
    }
    EndDialog(IDCANCEL);
}

}  // namespace

bool ShowAddTask(HWND owner, const AddTaskOptions& options, EntryRow* added) {
    CAddTaskDlg dialog(options, added);
    return dialog.DoModal(owner) == IDOK;
}

}  // namespace startup
