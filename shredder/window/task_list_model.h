#pragma once
// What the Scheduler page does, without its window: the rows are this
// program's tasks (creator "Velmora Scourwell") in the scheduler's order,
// each mapped to its task's position; the page's buttons act on a row.
// Messages go through the Messenger.
#include <string>
#include <vector>

#include "shredder/core/messenger.h"
#include "shredder/core/scheduler_dispatch.h"
#include "shredder/core/shredder_texts.h"

namespace shredder {

// Opens a file with the shell's "open" verb in a working folder.
class ShellOpener {
public:
    virtual ~ShellOpener() = default;
    virtual void Open(const std::string& file, const std::string& folder) = 0;
};

class TaskListModel {
public:
    TaskListModel(ScheduledTasks& tasks, Messenger& messenger, const ShredderTexts& texts)
        : tasks_(tasks), messenger_(messenger), texts_(texts) {}

    // Re-reads the scheduler; the names of the rows, in order.
    std::vector<std::string> Fill();
    int RowCount() const { return static_cast<int>(positions_.size()); }
    // The task position of a row; 0 for no row.
    long PositionOf(int row) const;

    // -1 is no selection: the user is told to select a task. False then.
    bool ShowProperties(int row);
    bool RunNow(int row);
    // Deletes the row's task; the caller fills the list again.
    bool DeleteTask(int row);
    // Asks first; deletes every task of this program (no other), as the
    // scheduler holds them once answered, from the highest position down so
    // the positions still to delete stay right. False when the user said No.
    bool DeleteAll();
    // "log.txt" of the program folder, or the notice that there is none.
    void ViewLog(const std::string& appPath, ShellOpener& opener);

private:
    bool Selected(int row);

    ScheduledTasks& tasks_;
    Messenger& messenger_;
    const ShredderTexts& texts_;
    std::vector<long> positions_;
};

}  // namespace shredder
