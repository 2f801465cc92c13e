#include "startup/app/main_form.h"

#include "platform/ui/module.h"
#include "startup/app/add_task_dlg.h"
#include "startup/app/texts.h"
#include "startup/core/settings.h"
#include "startup/res/resource_ids.h"

namespace startup {
namespace {

const int kColumnWidths[6] = {120, 60, 170, 80, 125, 260};

}  // namespace

CMainForm::CMainForm(const QuarrowSeams& seams, Language& language)
    : ui::Dialog(IDD_MAIN),
      seams_(seams),
      language_(language),
      list_(seams.places, language.Book()),
      about_(language, *seams.shell) {}

bool CMainForm::OnInitDialog() {
    SetText(kAppTitle);
    if (skin_.Create()) {
        skin_.LoadSkin(seams_.programFolder + "\\Title.skn");
        skin_.ApplySkin(Handle());
    }
    Send(WM_SETICON, ICON_BIG,
         reinterpret_cast<LPARAM>(LoadIconA(ui::ResourceModule(), MAKEINTRESOURCEA(IDI_QUARROW))));
    listView_.SubclassDlgItem(IDC_LIST, Handle());
    listView_.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    languages_.SubclassDlgItem(IDC_LANGUAGE, Handle());
    InsertColumns();
    FillLangCombo();
    SetCaptions();
    RestLang();
    SetTimer(kNoteTimer, kNoteInterval);
    return true;
}

void CMainForm::InsertColumns() {
    static const char* const headers[6] = {"Task Name", "Status", "Load From",
                                           "User",      "When?",  "Location"};
    for (int column = 0; column < 6; ++column)
        listView_.InsertColumn(column, headers[column], kColumnWidths[column]);
}

// The list loaded afresh from the system and the store, and the snapshot
// taken from it.
void CMainForm::RestLang() {
    list_.Load(language_.Book());
    ShowRows(0);
}

void CMainForm::ShowRows(int select) {
    listView_.DeleteAllItems();
    const int count = static_cast<int>(list_.Rows().size());
    for (int row = 0; row < count; ++row) {
        listView_.InsertItem(row, list_.Rows()[row].entry.taskName);
        ShowRow(row);
    }
    if (count == 0) return;
    if (select >= count) select = count - 1;
    if (select < 0) select = 0;
    listView_.SetItemState(select, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    SetButtonState(select);
}

void CMainForm::ShowRow(int row) {
    const StartupEntry& entry = list_.Rows()[row].entry;
    listView_.SetItemText(row, 0, entry.taskName);
    listView_.SetItemText(row, 1, entry.status);
    listView_.SetItemText(row, 2, entry.loadFrom);
    listView_.SetItemText(row, 3, entry.user);
    listView_.SetItemText(row, 4, entry.when);
    listView_.SetItemText(row, 5, entry.location);
}

int CMainForm::SelectedRow() const { return listView_.GetNextItem(-1, LVNI_SELECTED); }

// The buttons follow the selected row's status; without a row they stay.
void CMainForm::SetButtonState(int row) {
    if (row < 0 || row >= static_cast<int>(list_.Rows().size())) return;
    switch (list_.StatusAt(row)) {
    case Status::Enabled:
        SetItemText(IDC_DISABLE, disableCaption_);
        EnableItem(IDC_REMOVE, true);
        break;
    case Status::Disabled:
        SetItemText(IDC_DISABLE, enableCaption_);
        EnableItem(IDC_REMOVE, true);
        break;
    default:
        EnableItem(IDC_REMOVE, false);
        break;
    }
}

bool CMainForm::OnCommand(UINT id, UINT code, HWND control) {
    // Buttons and menu items alike send code 0 (BN_CLICKED).
    if (code == BN_CLICKED) {
        switch (id) {
        case IDC_DISABLE: OnDisable(); return true;
        case IDC_REMOVE: OnRemove(); return true;
        case IDC_RESET: OnReset(); return true;
        case IDC_ADD_TASK: OnAddTask(); return true;
        default:
            if (OnMenu(id)) return true;
        }
    }
    if (id == IDC_LANGUAGE && code == CBN_SELCHANGE) {
        OnLanguageChosen();
        return true;
    }
    return ui::Dialog::OnCommand(id, code, control);
}

bool CMainForm::OnNotify(NMHDR& header, LRESULT& result) {
    if (header.idFrom == IDC_LIST && header.code == LVN_ITEMCHANGED) {
        const NMLISTVIEW& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if ((change.uChanged & LVIF_STATE) && (change.uNewState & LVIS_SELECTED))
            SetButtonState(change.iItem);
        result = 0;
        return true;
    }
    return ui::Dialog::OnNotify(header, result);
}

void CMainForm::OnDisable() {
    const int row = SelectedRow();
    switch (list_.ToggleDisable(row < 0 ? list_.Rows().size() : static_cast<size_t>(row))) {
    case ToggleResult::NoRow:
        return;
    case ToggleResult::RefusedLineBreak:
        Tell("\"" + list_.Rows()[row].entry.taskName +
                 "\" holds a line break in its name or command, so it cannot be kept among "
                 "the disabled entries. It stays enabled.",
             MB_OK | MB_ICONEXCLAMATION);
        return;
    case ToggleResult::Disabled:
    case ToggleResult::Enabled:
        break;
    }
    ShowRow(row);
    SetButtonState(row);
    EnableItem(IDC_REMOVE, true);
}

void CMainForm::OnRemove() {
    const int row = SelectedRow();
    if (row < 0 || !list_.MarkRemove(row)) return;
    ShowRow(row);
    EnableItem(IDC_REMOVE, false);
}

void CMainForm::OnReset() {
    list_.ResetAll();
    ShowRows(0);
}

void CMainForm::OnAddTask() {
    AddTaskOptions options;
    options.language = &language_;
    options.prompt = seams_.prompt;
    options.shell = seams_.shell;
    options.caption = kAppTitle;
    options.winIniLoad = list_.WinIniValue(kWinIniLoad);
    options.winIniRun = list_.WinIniValue(kWinIniRun);
    options.nameTaken = [this](int place, const std::string& name) {
        return list_.HasLiveRow(place, name);
    };
    EntryRow added;
    if (!ShowAddTask(Handle(), options, &added)) return;
    list_.AddRow(added);
    ShowRows(static_cast<int>(list_.Rows().size()) - 1);
}

void CMainForm::OnNoteTimer() {
    noteVisible_ = !noteVisible_;
    ShowItem(IDC_NOTE, noteVisible_);
}

// Form_Unload: the language choice is kept for the next start.
void CMainForm::Unload() {
    WriteLanguageSetting(language_.CurrentLanguageFile());
    KillTimer(kNoteTimer);
    if (about_.Handle()) about_.Destroy();
    EndDialog(IDCANCEL);
}

LRESULT CMainForm::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_TIMER && wp == kNoteTimer) {
        OnNoteTimer();
        return 0;
    }
    return ui::Dialog::WindowProc(msg, wp, lp);
}

// Escape does not close the main form; only the close box and the menus do.
bool CMainForm::PreTranslateMessage(MSG& msg) {
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE &&
        (msg.hwnd == Handle() || IsChild(Handle(), msg.hwnd))) {
        return true;
    }
    return ui::Dialog::PreTranslateMessage(msg);
}

}  // namespace startup
