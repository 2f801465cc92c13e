#include "startup/core/disabled_store.h"

#include <windows.h>

#include "common/files/file_writes.h"
#include "common/files/whole_file.h"
#include "startup/core/kept_values.h"

namespace startup {

WriteResult SaveStore(const std::vector<EntryRow>& rows, const Places& places) {
    std::vector<StartupEntry> entries;
    for (const EntryRow& row : rows) entries.push_back(row.entry);
    const std::string values = FormatKeptValues(rows);
    if (values.empty()) {
        if (!DeleteFileForced(places.ValuesFile())) return WriteResult::Failed;
    } else {
        CreateDirectoryA(places.KeptFolder().c_str(), nullptr);
        if (!files::ReplaceThroughTemporary(places.ValuesFile(), values,
                                            files::ReadOnlyFile::Replace)) {
            return WriteResult::Failed;
        }
    }
    return SaveEntriesToFile(entries, places.StoreFile());
}

bool DeleteStore(const Places& places) {
    return DeleteFileForced(places.StoreFile()) && DeleteFileForced(places.ValuesFile());
}

void AttachStoreValues(const Places& places, std::vector<EntryRow>& rows) {
    std::string bytes;
    if (files::ReadWholeFile(places.ValuesFile(), bytes)) AttachKeptValues(bytes, rows);
}

}  // namespace startup
