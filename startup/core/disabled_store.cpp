#include "startup/core/disabled_store.h"

#include <windows.h>

#include "common/files/whole_file.h"
#include "startup/core/kept_values.h"

namespace startup {

WriteResult SaveStore(const std::vector<EntryRow>& rows, const Places& places) {
    std::vector<StartupEntry> entries;
    for (const EntryRow& row : rows) entries.push_back(row.entry);
    CreateDirectoryA(places.KeptFolder().c_str(), nullptr);
    if (!SaveKeptValues(rows, places.ValuesFile())) return WriteResult::Failed;
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
