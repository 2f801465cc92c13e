#pragma once
// The task-name dialog (138): asks for a new scheduled task's name and
// refuses an empty one, one with a character a task name cannot hold, and
// one that a task of any creator already has in any letter case.
#include <string>

#include "platform/ui/dialog.h"
#include "platform/ui/skin.h"
#include "shredder/core/messenger.h"
#include "shredder/core/scheduler_dispatch.h"
#include "shredder/core/shredder_texts.h"

namespace shredder {

class CTaskNameDlg : public ui::Dialog, public TaskNamePrompt {
public:
    // Modal over `owner` (the main sheet).
    CTaskNameDlg(ScheduleDispatch& schedule, JobDispatch& job, const ShredderTexts& texts,
                 Messenger& messenger, CSkin& skin, HWND owner);

    bool AskTaskName(std::string& name) override;
    const std::string& Name() const { return name_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    ScheduleDispatch& schedule_;
    JobDispatch& job_;
    const ShredderTexts& texts_;
    Messenger& messenger_;
    CSkin& skin_;
    HWND owner_;
    std::string name_;
};

}  // namespace shredder
