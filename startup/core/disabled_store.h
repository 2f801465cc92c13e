#pragma once
// The disabled-entry store as a whole: the six-line records of
// "SaveProf.pro" and, in the program's folder beside it, the registry
// values those records cannot hold.
#include <vector>

#include "startup/core/folders.h"
#include "startup/core/startup_entry.h"
#include "startup/core/store_file.h"

namespace startup {

// The rows' records, and the values of those with a registry type.
WriteResult SaveStore(const std::vector<EntryRow>& rows, const Places& places);
// No disabled entries: the store and its values removed. False when a file
// stays.
bool DeleteStore(const Places& places);
// The kept values given to the rows read back from the store.
void AttachStoreValues(const Places& places, std::vector<EntryRow>& rows);

}  // namespace startup
