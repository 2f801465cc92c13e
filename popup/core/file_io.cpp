#include "popup/core/file_io.h"

#include <windows.h>

namespace fileio {

namespace {

class FileHandle {
public:
    FileHandle(const std::string& path, DWORD access, DWORD disposition)
        : handle_(CreateFileA(path.c_str(), access, FILE_SHARE_READ, nullptr, disposition,
                              FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~FileHandle() {
        if (IsOpen()) CloseHandle(handle_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

    bool Write(const std::string& bytes) const {
        DWORD written = 0;
        return bytes.empty() ||
               (WriteFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                          nullptr) &&
                written == bytes.size());
    }

private:
    HANDLE handle_;
};

}  // namespace

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    FileHandle file(path, GENERIC_READ, OPEN_EXISTING);
    if (!file.IsOpen()) return false;
    bytes.clear();
    char chunk[4096];
    DWORD got = 0;
    for (;;) {
        if (!ReadFile(file.get(), chunk, sizeof(chunk), &got, nullptr)) return false;
        if (got == 0) return true;
        bytes.append(chunk, got);
    }
}

bool CreateNewFile(const std::string& path, const std::string& bytes) {
    FileHandle file(path, GENERIC_WRITE, CREATE_NEW);
    return file.IsOpen() && file.Write(bytes);
}

bool AppendToFile(const std::string& path, const std::string& bytes) {
    FileHandle file(path, GENERIC_WRITE, OPEN_ALWAYS);
    return file.IsOpen() && SetFilePointer(file.get(), 0, nullptr, FILE_END) !=
                                INVALID_SET_FILE_POINTER &&
           file.Write(bytes);
}

bool RewriteFile(const std::string& path, const std::string& bytes) {
    FileHandle file(path, GENERIC_WRITE, OPEN_EXISTING);
    return file.IsOpen() && file.Write(bytes) && SetEndOfFile(file.get()) != 0;
}

}  // namespace fileio
