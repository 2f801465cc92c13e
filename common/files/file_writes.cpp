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

// The marks a user sets on a file, which a replacement carries on.
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

// A name beside `path` that no file has and nobody else will take: the
// system makes the file, so the name is ours, and it is handed back empty.
bool FreshNameBeside(const std::string& path, std::string& name) {
    char fresh[MAX_PATH];
    if (!GetTempFileNameA(FolderOf(path).c_str(), "vlm", 0, fresh)) return false;
    name = fresh;
    return true;
}

// Puts `from` in place of `to`; Windows 9x has no MoveFileEx.
bool PutInPlace(const std::string& from, const std::string& to) {
    if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
    return GetLastError() == ERROR_CALL_NOT_IMPLEMENTED && ReplaceByRenames(from, to);
}

}  // namespace

bool ReplaceByRenames(const std::string& from, const std::string& to) {
    if (GetFileAttributesA(to.c_str()) == INVALID_FILE_ATTRIBUTES && GetLastError() == ERROR_FILE_NOT_FOUND)
        return MoveFileA(from.c_str(), to.c_str()) != FALSE;
    std::string aside;
    if (!FreshNameBeside(to, aside)) return false;
    DeleteFileA(aside.c_str());
    if (!MoveFileA(to.c_str(), aside.c_str())) return false;
    if (!MoveFileA(from.c_str(), to.c_str())) {
        MoveFileA(aside.c_str(), to.c_str());
        return false;
    }
    DeleteFileA(aside.c_str());
    return true;
}

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
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    const bool isReadOnly = exists && (attributes & FILE_ATTRIBUTE_READONLY) &&
                            !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    if (isReadOnly && readOnly == ReadOnlyFile::Keep) return false;
    std::string temp;
    if (!FreshNameBeside(path, temp)) return false;
    // The new file carries the old one's marks from the moment it is in
    // place (read-only only once it is there, so that it can be moved).
    const DWORD kept = exists ? attributes & kKeptAttributes : 0;
    if (WriteFlushedFile(temp, bytes)) {
        const DWORD marks = kept & ~FILE_ATTRIBUTE_READONLY;
        if (marks) SetFileAttributesA(temp.c_str(), marks);
        if (isReadOnly) SetFileAttributesA(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
        if (PutInPlace(temp, path)) {
            if (isReadOnly) SetFileAttributesA(path.c_str(), kept);
            return true;
        }
        if (isReadOnly) SetFileAttributesA(path.c_str(), attributes);
    }
    DeleteFileA(temp.c_str());
    return false;
}

}  // namespace files
