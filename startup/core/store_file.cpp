#include "startup/core/store_file.h"

#include <windows.h>

#include "common/files/file_writes.h"
#include "common/files/whole_file.h"
#include "startup/core/kept_values.h"
#include "startup/core/record_file.h"

namespace startup {
namespace {

void ClearReadOnly(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
        !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        SetFileAttributesA(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    }
}

}  // namespace

WriteResult SaveEntriesToFile(const std::vector<StartupEntry>& entries, const std::string& path) {
    if (path.empty()) return WriteResult::Written;
    std::string bytes;
    if (!FormatRecords(entries, bytes)) return WriteResult::LineBreak;
    return files::ReplaceThroughTemporary(path, bytes, files::ReadOnlyFile::Replace)
               ? WriteResult::Written
               : WriteResult::Failed;
}

bool ReadEntriesFromFile(const std::string& path, std::vector<StartupEntry>& entries) {
    std::string bytes;
    if (!files::ReadWholeFile(path, bytes)) return false;
    entries = ParseRecords(bytes);
    return true;
}

bool DeleteFileForced(const std::string& path) {
    ClearReadOnly(path);
    return DeleteFileA(path.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND ||
           GetLastError() == ERROR_PATH_NOT_FOUND;
}

bool SaveKeptValues(const std::vector<EntryRow>& rows, const std::string& path) {
    const std::string values = FormatKeptValues(rows);
    return values.empty() ? DeleteFileForced(path)
                          : files::ReplaceThroughTemporary(path, values,
                                                           files::ReadOnlyFile::Replace);
}

}  // namespace startup
