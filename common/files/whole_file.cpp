#include "common/files/whole_file.h"

#include <windows.h>

#include <utility>

#include "common/files/file_handle.h"

namespace files {

bool PathExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) return false;
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

ReadOutcome ReadWholeFilePatiently(const std::string& path, std::string& bytes) {
    const int kAttempts = 10;
    const DWORD kRetryDelay = 150;
    for (int attempt = 1; !ReadWholeFile(path, bytes); ++attempt) {
        if (!PathExists(path)) return ReadOutcome::Missing;
        if (attempt == kAttempts) return ReadOutcome::Unreadable;
        Sleep(kRetryDelay);
    }
    return ReadOutcome::Read;
}

}  // namespace files
