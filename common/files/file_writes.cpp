#include "common/files/file_writes.h"

#include <windows.h>

#include "common/files/file_handle.h"

namespace files {
namespace {

HANDLE OpenForWriting(const std::string& path, DWORD disposition) {
    return CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, disposition,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

// The whole of `bytes` on the disk, not only in the cache, before anything
// relies on it.
bool WriteFlushedFile(const std::string& path, const std::string& bytes) {
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

bool CreateNewFile(const std::string& path, const std::string& bytes) {
    bool written = false;
    {
        files::FileHandle file(OpenForWriting(path, CREATE_NEW));
        if (!file.IsOpen()) return false;
        written = file.Write(bytes);
    }
    // A cut-short file must not pass for a whole one later.
    if (!written) DeleteFileA(path.c_str());
    return written;
}

bool AppendToFile(const std::string& path, const std::string& bytes) {
    files::FileHandle file(OpenForWriting(path, OPEN_ALWAYS));
    return file.IsOpen() && SetFilePointer(file.get(), 0, nullptr, FILE_END) !=
                                INVALID_SET_FILE_POINTER &&
           file.Write(bytes);
}

bool RewriteFile(const std::string& path, const std::string& bytes) {
    files::FileHandle file(OpenForWriting(path, OPEN_EXISTING));
    return file.IsOpen() && file.Write(bytes) && SetEndOfFile(file.get()) != 0;
}

bool ReplaceThroughTemporary(const std::string& path, const std::string& bytes,
                             ReadOnlyFile readOnly) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    const bool isReadOnly = attributes != INVALID_FILE_ATTRIBUTES &&
                            (attributes & FILE_ATTRIBUTE_READONLY) &&
                            !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    if (isReadOnly && readOnly == ReadOnlyFile::Keep) return false;
    char temp[MAX_PATH];
    if (!GetTempFileNameA(FolderOf(path).c_str(), "vlm", 0, temp)) return false;
    if (WriteFlushedFile(temp, bytes)) {
        if (isReadOnly) SetFileAttributesA(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
        if (PutInPlace(temp, path)) return true;
        if (isReadOnly) SetFileAttributesA(path.c_str(), attributes);
    }
    DeleteFileA(temp);
    return false;
}

}  // namespace files
