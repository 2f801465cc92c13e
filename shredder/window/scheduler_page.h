#pragma once
// The "Scheduler" page (109): the scheduled tasks this program made,
// listed from the scheduler library, run, edited in the platform's own
// task sheet, deleted, and the log of scheduled runs opened. The page is
// disabled when the scheduler library is not available.
#include "shredder/core/scheduler_dispatch.h"
#include "shredder/window/shred_list_ctrl.h"
#include "shredder/window/shredder_page.h"
#include "shredder/window/task_list_model.h"

namespace shredder {

class ShellOpenVerb : public ShellOpener {
public:
    void Open(const std::string& file, const std::string& folder) override;
};

class CMyPropertyPage6 : public ShredderPage {
public:
    // The tasks are the scheduler library's unless given.
    explicit CMyPropertyPage6(CShredderApp& app, ScheduledTasks* tasks = nullptr);

protected:
    bool OnInitDialog() override;
    bool OnSetActive() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    void SetLanguageTexts();
    void FillTaskList();
    int SelectedRow() const;

    DispatchTasks dispatchTasks_;
    TaskListModel model_;
    CShredListCtrl list_;
    ShellOpenVerb shell_;
};

}  // namespace shredder
