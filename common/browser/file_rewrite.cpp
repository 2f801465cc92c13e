#include "common/browser/file_rewrite.h"

#include <windows.h>

#include "common/files/file_handle.h"

namespace browser {
namespace {

std::string FolderOf(const std::string& path) {
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

bool WriteNewFile(const std::string& path, const std::string& bytes) {
    files::FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.IsOpen() && file.Write(bytes) && FlushFileBuffers(file.get());
}

// Puts `from` in place of `to`. MoveFileEx does not exist on Windows 9x; there
// an old file steps aside first and comes back when the move fails, and a
// missing one leaves nothing to step aside.
bool PutInPlace(const std::string& from, const std::string& to) {
    if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
    if (GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) return false;
    if (GetFileAttributesA(to.c_str()) == INVALID_FILE_ATTRIBUTES && GetLastError() == ERROR_FILE_NOT_FOUND)
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

}  // namespace

bool RewriteFile(const std::string& path, const std::string& bytes) {
    // A file the user made read-only stays as it is.
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return false;
    char temp[MAX_PATH];
    if (!GetTempFileNameA(FolderOf(path).c_str(), "vlm", 0, temp)) return false;
    if (WriteNewFile(temp, bytes) && PutInPlace(temp, path)) return true;
    DeleteFileA(temp);
    return false;
}

}  // namespace browser
