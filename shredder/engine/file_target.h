#pragma once
// A file as the pass loop's target: 64-bit positions, every write checked
// and on the disk before the call returns.
#include <windows.h>

#include <memory>
#include <string>

#include "shredder/algorithms/pass_loop.h"

namespace shredder {

class FileTarget : public BlockTarget {
public:
    explicit FileTarget(HANDLE file) : file_(file) {}
    bool Seek(uint64_t offset) override;
    bool Write(const unsigned char* data, uint32_t length) override;

private:
    HANDLE file_;
};

// One open file handle, closed by Close or by its owner.
class OwnedFile {
public:
    explicit OwnedFile(HANDLE file = INVALID_HANDLE_VALUE) : file_(file) {}
    ~OwnedFile() { Close(); }
    OwnedFile(const OwnedFile&) = delete;
    OwnedFile& operator=(const OwnedFile&) = delete;

    void Close() {
        if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
        file_ = INVALID_HANDLE_VALUE;
    }
    HANDLE get() const { return file_; }

private:
    HANDLE file_;
};

// Makes the target for an opened file; tests put a recorder in between.
class TargetFactory {
public:
    virtual ~TargetFactory() = default;
    virtual std::unique_ptr<BlockTarget> MakeTarget(HANDLE file, const std::string& path) = 0;
};

class FileTargetFactory : public TargetFactory {
public:
    std::unique_ptr<BlockTarget> MakeTarget(HANDLE file, const std::string&) override {
        return std::unique_ptr<BlockTarget>(new FileTarget(file));
    }
};

// Moves a file's pointer to a 64-bit offset (works on every system).
bool SeekFile(HANDLE file, uint64_t offset);
// The open file's size, high word included; `size` is left alone on failure.
bool OpenFileSize(HANDLE file, uint64_t& size);
// The system's text for an error code, without the final line break.
std::string SystemErrorText(DWORD code);

}  // namespace shredder
