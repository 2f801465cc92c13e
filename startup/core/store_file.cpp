#include "startup/core/store_file.h"

#include <windows.h>

#include "common/files/file_handle.h"
#include "common/files/whole_file.h"
#include "startup/core/record_file.h"

namespace startup {
namespace {

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

bool WriteNewFile(const std::string& path, const std::string& bytes) {
    files::FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.IsOpen() && file.Write(bytes) && FlushFileBuffers(file.get());
}

void ClearReadOnly(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
        !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        SetFileAttributesA(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    }
}

// Puts `from` in place of `to`. Windows 9x has no MoveFileEx: there the old
// file steps aside and comes back when the move fails.
bool PutInPlace(const std::string& from, const std::string& to) {
    if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
    if (GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) return false;
    if (GetFileAttributesA(to.c_str()) == INVALID_FILE_ATTRIBUTES)
        return MoveFileA(from.c_str(), to.c_str()) != FALSE;
    const std::string aside = to + ".old";
    DeleteFileA(aside.c_str());
    if (!MoveFileA(to.c_str(), aside.c_str())) return false;
    if (!MoveFileA(from.c_str(), to.c_str())) {
        MoveFileA(aside.c_str(), to.c_str());
        return false;
    }
    DeleteFileA(aside.c_str());
    return true;
}

bool ReplaceFile(const std::string& path, const std::string& bytes) {
    char temp[MAX_PATH];
    if (!GetTempFileNameA(FolderOf(path).c_str(), "qrw", 0, temp)) return false;
    if (WriteNewFile(temp, bytes)) {
        ClearReadOnly(path);
        if (PutInPlace(temp, path)) return true;
    }
    DeleteFileA(temp);
    return false;
}

}  // namespace

WriteResult SaveEntriesToFile(const std::vector<StartupEntry>& entries, const std::string& path) {
    if (path.empty()) return WriteResult::Written;
    std::string bytes;
    if (!FormatRecords(entries, bytes)) return WriteResult::LineBreak;
    return ReplaceFile(path, bytes) ? WriteResult::Written : WriteResult::Failed;
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

}  // namespace startup
