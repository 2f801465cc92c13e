#pragma once
// Record files on disk: the disabled-entry store "SaveProf.pro" in the
// Windows folder and the user's profiles. A file is replaced only once its
// new content is complete, so a failed write leaves the old one whole.
#include <string>
#include <vector>

#include "startup/core/startup_entry.h"

namespace startup {

enum class WriteResult { Written, LineBreak, Failed };

// SaveEntriesToFile: every entry as a record; a read-only file is replaced
// too. An empty path writes nothing and answers Written.
WriteResult SaveEntriesToFile(const std::vector<StartupEntry>& entries, const std::string& path);
// The records of a file; false when it cannot be read.
bool ReadEntriesFromFile(const std::string& path, std::vector<StartupEntry>& entries);
// Removes a file, read-only or not; a missing file counts as removed.
bool DeleteFileForced(const std::string& path);
// The kept registry values of the rows with a known type (kept_values.h)
// written to `path`, or the file removed when there are none.
bool SaveKeptValues(const std::vector<EntryRow>& rows, const std::string& path);

}  // namespace startup
