#include "shredder/window/scheduler_page.h"

#include <shellapi.h>

#include "shredder/res/scheduler_page_res.h"
#include "shredder/shredder_app.h"

namespace shredder {

void ShellOpenVerb::Open(const std::string& file, const std::string& folder) {
    ShellExecuteA(nullptr, "open", file.c_str(), nullptr, folder.c_str(), SW_SHOWNORMAL);
}

CMyPropertyPage6::CMyPropertyPage6(CShredderApp& app, ScheduledTasks* tasks)
    : ShredderPage(IDD_SCHEDULER_PAGE, app),
      dispatchTasks_(app.Schedule(), app.Job()),
      model_(tasks ? *tasks : dispatchTasks_, app.Messages(), app.Texts()) {}

bool CMyPropertyPage6::OnInitDialog() {
    App().Skin().ApplySkin(Handle());
    list_.SubclassDlgItem(IDC_TASK_LIST, Handle());
    list_.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    list_.InsertColumn(0, App().Texts().Text("9508", "Task Name"));
    list_.FitColumnToHeader(0);
    return ShredderPage::OnInitDialog();
}

bool CMyPropertyPage6::OnSetActive() {
    if (App().SchedulerUnavailable()) {
        for (HWND child = GetWindow(Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            EnableWindow(child, FALSE);
    } else {
        FillTaskList();
    }
    SetLanguageTexts();
    return ShredderPage::OnSetActive();
}

void CMyPropertyPage6::SetLanguageTexts() {
    const ShredderTexts& texts = App().Texts();
    SetItemText(IDC_SCHEDULER_GROUP, texts.Text("9501", "Scheduler"));
    SetItemText(IDC_SCHEDULED_LABEL, texts.Text("9502", "Scheduled Tasks"));
    SetItemText(IDC_TASK_PROPERTIES, texts.Text("9503", "Task &Properties"));
    SetItemText(IDC_RUN_NOW, texts.Text("9504", "&Run Now"));
    SetItemText(IDC_DELETE_TASK, texts.Text("9505", "&Delete Task"));
    SetItemText(IDC_DELETE_ALL, texts.Text("9506", "Delete &All"));
    SetItemText(IDC_VIEW_LOG, texts.Text("9507", "&View Log"));
}

void CMyPropertyPage6::FillTaskList() {
    list_.DeleteAllItems();
    for (const std::string& name : model_.Fill()) list_.InsertItem(list_.GetItemCount(), name);
}

int CMyPropertyPage6::SelectedRow() const { return list_.GetNextItem(-1, LVNI_SELECTED); }

bool CMyPropertyPage6::OnCommand(UINT id, UINT code, HWND control) {
    if (code != BN_CLICKED) return ShredderPage::OnCommand(id, code, control);
    switch (id) {
    case IDC_TASK_PROPERTIES: model_.ShowProperties(SelectedRow()); return true;
    case IDC_RUN_NOW: model_.RunNow(SelectedRow()); return true;
    case IDC_DELETE_TASK:
        if (model_.DeleteTask(SelectedRow())) FillTaskList();
        return true;
    case IDC_DELETE_ALL:
        if (model_.DeleteAll()) list_.DeleteAllItems();
        return true;
    case IDC_VIEW_LOG: model_.ViewLog(App().AppPath(), shell_); return true;
    default: return ShredderPage::OnCommand(id, code, control);
    }
}

}  // namespace shredder
