#pragma once
// What the add-entry dialog checks and the row it adds, apart from its
// window.
#include <string>

#include "common/lang/text_source.h"
#include "startup/core/labels.h"
#include "startup/core/startup_entry.h"

namespace startup {

struct AddTaskInput {
    std::string name;        // the name field's text
    int place = kUserRun;    // the chosen location's index
    std::string placeLabel;  // the chosen location's label
    std::string location;    // the command line
};

enum class AddTaskCheck { Ok, EmptyField, BadShortcutName };

// The name field is used (and enabled) for every place but the two win.ini
// values, whose entry is named by the place itself.
bool NameFieldEnabled(int place);
// The fields the place uses must not be empty; a name that becomes a
// shortcut file name must be a valid one.
AddTaskCheck CheckAddTask(const AddTaskInput& input);
EntryRow MakeAddedRow(const AddTaskInput& input, const Labels& labels,
                      const lang::TextSource& texts);

}  // namespace startup
