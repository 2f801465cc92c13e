#pragma once
// The files of disabled Startup-folder entries, kept whole in the program's
// folder beside the store under the names they had in their Startup folder.
// The store's records name an entry by its task name only, so a kept file
// is found again by the task name its own name gives.
#include <string>
#include <vector>

#include "startup/core/folders.h"
#include "startup/core/startup_entry.h"

namespace startup {

// The name of the file kept for a task name of a Startup folder ("" when
// none); the task name with ".lnk" comes first, as every version kept it.
std::string KeptFileOf(const Places& places, int place, const std::string& taskName);
// Each stored Startup-folder row gets the name of its kept file; a file
// goes to one row only.
void AttachKeptFiles(const Places& places, std::vector<EntryRow>& rows);

}  // namespace startup
