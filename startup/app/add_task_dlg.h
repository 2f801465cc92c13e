#pragma once
// The add-entry dialog: a name, one of the eight locations and a command
// line become a new enabled row of the main list (applied later).
#include <windows.h>

#include <functional>
#include <string>

#include "platform/ui/message_prompt.h"
#include "startup/app/shell_seam.h"
#include "startup/core/language.h"
#include "startup/core/startup_entry.h"

namespace startup {

struct AddTaskOptions {
    const Language* language = nullptr;
    ui::MessagePrompt* prompt = nullptr;
    Shell* shell = nullptr;
    std::string caption;  // of its message boxes
    // The current win.ini "Load" and "Run" values as the list holds them;
    // an entry added there replaces the whole value, so the user is asked.
    std::string winIniLoad;
    std::string winIniRun;
    // True when a live entry of this place and name stays (in the list or
    // in the system), which an added one would replace; the user is asked.
    std::function<bool(int place, const std::string& name)> nameTaken;
};

// True with `added` filled when the user added an entry.
bool ShowAddTask(HWND owner, const AddTaskOptions& options, EntryRow* added);

}  // namespace startup
