#include "shredder/window/task_list_model.h"

#include <windows.h>

#include "common/files/whole_file.h"
#include "common/suite/scourwell.h"

namespace shredder {

std::vector<std::string> TaskListModel::Fill() {
    positions_.clear();
    std::vector<std::string> names;
    tasks_.Refresh();
    const long count = tasks_.Count();
    for (long position = 1; position <= count; ++position) {
        if (tasks_.Creator(position) != suite::scourwell::kTaskCreator) continue;
        positions_.push_back(position);
        names.push_back(tasks_.Name(position));
    }
    return names;
}

long TaskListModel::PositionOf(int row) const {
    return row >= 0 && row < RowCount() ? positions_[row] : 0;
}

bool TaskListModel::Selected(int row) {
    if (PositionOf(row)) return true;
    messenger_.Ask(texts_.Text("9028", "There isn't any selected tasks. Please, Select a task first."),
                   MB_OK | MB_ICONSTOP);
    return false;
}

bool TaskListModel::ShowProperties(int row) {
    if (!Selected(row)) return false;
    tasks_.ShowProperties(PositionOf(row));
    return true;
}

bool TaskListModel::RunNow(int row) {
    if (!Selected(row)) return false;
    tasks_.Run(PositionOf(row));
    return true;
}

bool TaskListModel::DeleteTask(int row) {
    if (!Selected(row)) return false;
    tasks_.Delete(PositionOf(row));
    return true;
}

bool TaskListModel::DeleteAll() {
    const std::string text =
        texts_.Text("9029", "Are you sure you want to delete all scheduled tasks?");
    if (messenger_.TellTitled(text, texts_.Text("9064", "WARNING!"),
                              MB_YESNO | MB_ICONSTOP | MB_DEFBUTTON2) != IDYES)
        return false;
    // The tasks may have changed while the question was open: the positions
    // are read again, so only this program's tasks go.
    Fill();
    for (auto position = positions_.rbegin(); position != positions_.rend(); ++position)
        tasks_.Delete(*position);
    positions_.clear();
    return true;
}

void TaskListModel::ViewLog(const std::string& appPath, ShellOpener& opener) {
    if (!files::FileExists(appPath + "\\log.txt")) {
        messenger_.Ask(texts_.Text("9086", "Log file doesn't exist."), MB_OK | MB_ICONSTOP);
        return;
    }
    opener.Open("log.txt", appPath);
}

}  // namespace shredder
