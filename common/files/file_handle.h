#pragma once
// Owner of one open file handle, closed with its owner.
#include <windows.h>

#include <string>

namespace files {

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (IsOpen()) CloseHandle(handle_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

    // All of `bytes` at the current position.
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

}  // namespace files
