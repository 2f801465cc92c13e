#pragma once
// Profiles on disk: the six-line records of the file the user picks and,
// beside it in "<profile>.Values.txt", the registry values those records
// cannot hold, in the form of the store's kept values. A profile without
// that file, or a value that no longer reads as its record's command,
// loads from the records alone, as profiles always have.
#include <string>
#include <vector>

#include "startup/core/startup_entry.h"
#include "startup/core/store_file.h"

namespace startup {

// Every row as a record, and the values of those with a registry type; an
// empty path writes nothing.
WriteResult SaveProfile(const std::vector<EntryRow>& rows, const std::string& path);
// False when the profile cannot be read; `values` is "" without a side file.
bool ReadProfile(const std::string& path, std::vector<StartupEntry>& records,
                 std::string& values);

}  // namespace startup
