#include "startup/core/add_task.h"

#include "startup/core/shortcut.h"

namespace startup {

bool NameFieldEnabled(int place) { return place != kWinIniLoad && place != kWinIniRun; }

AddTaskCheck CheckAddTask(const AddTaskInput& input) {
    if (input.location.empty() || (NameFieldEnabled(input.place) && input.name.empty()))
        return AddTaskCheck::EmptyField;
    if ((input.place == kUserStartup || input.place == kCommonStartup) &&
        !ValidShortcutName(input.name)) {
        return AddTaskCheck::BadShortcutName;
    }
    return AddTaskCheck::Ok;
}

EntryRow MakeAddedRow(const AddTaskInput& input, const Labels& labels,
                      const lang::TextSource& texts) {
    EntryRow row;
    const bool user = input.place == kUserRun || input.place == kUserStartup;
    row.entry.taskName = NameFieldEnabled(input.place) ? input.name : input.placeLabel;
    row.entry.status = labels.enabled;
    row.entry.loadFrom = input.placeLabel;
    row.entry.user = user ? labels.currentUser : labels.allUsers;
    row.entry.when = texts.Text("417", "Next Log On");
    row.entry.location = input.location;
    row.place = input.place;
    return row;
}

}  // namespace startup
