#include "common/browser/file_io.h"

#include <windows.h>

#include <utility>

namespace browser {
namespace {

// One open file or find handle.
class Handle {
public:
    Handle(HANDLE handle, BOOL (*close)(HANDLE)) : handle_(handle), close_(close) {}
    ~Handle() {
        if (IsValid()) close_(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool IsValid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
    BOOL (*close_)(HANDLE);
};

BOOL CloseFile(HANDLE handle) { return CloseHandle(handle); }
BOOL CloseFind(HANDLE handle) { return FindClose(handle); }

std::string FolderOf(const std::string& path) {
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

bool WriteNewFile(const std::string& path, const std::string& bytes) {
    bool written = false;
    {
        Handle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr),
                    CloseFile);
        if (!file.IsValid()) return false;
        DWORD done = 0;
        written = WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &done,
                            nullptr) &&
                  done == bytes.size() && FlushFileBuffers(file.get());
    }
    return written;
}

// Puts `from` in place of `to`. MoveFileEx does not exist on Windows 9x; there
// the old file steps aside first and comes back when the move fails.
bool PutInPlace(const std::string& from, const std::string& to) {
    if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
    if (GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) return false;
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

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    Handle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr),
                CloseFile);
    if (!file.IsValid()) return false;
    DWORD high = 0;
    DWORD size = GetFileSize(file.get(), &high);
    if (size == INVALID_FILE_SIZE || high != 0) return false;
    std::string data(size, '\0');
    DWORD done = 0;
    if (size && (!ReadFile(file.get(), &data[0], size, &done, nullptr) || done != size))
        return false;
    bytes = std::move(data);
    return true;
}

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

std::vector<FolderEntry> ListMatches(const std::string& pattern) {
    std::vector<FolderEntry> entries;
    WIN32_FIND_DATAA data;
    Handle find(FindFirstFileA(pattern.c_str(), &data), CloseFind);
    if (!find.IsValid()) return entries;
    do {
        std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        entries.push_back({name, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (FindNextFileA(find.get(), &data));
    return entries;
}

}  // namespace browser
