#pragma once
// The raw volume of a drive on the NT family: the device "\\.\X:" opened
// through CreateFile, locked and dismounted through the file-system
// controls. Unlocks and closes when destroyed.
#include <windows.h>

#include <memory>

#include "common/files/file_handle.h"
#include "shredder/drive/raw_volume.h"

namespace shredder {

class NtVolume : public RawVolume {
public:
    // Opens "\\.\<letter>:" sharing reads and writes; `write` adds write
    // access with write-through. Null on failure, with `error` (when given)
    // set to the system's error code.
    static std::unique_ptr<NtVolume> Open(char letter, bool write, uint32_t* error);
    ~NtVolume() override;

    bool Lock() override;
    bool Dismount() override;
    bool Seek(uint64_t offset) override;
    uint64_t Position() const override { return position_; }
    bool Read(void* buffer, uint32_t bytes) override;
    bool Write(const void* buffer, uint32_t bytes) override;
    uint64_t Size() override;
    uint32_t LastError() const override { return error_; }

    HANDLE handle() const { return file_.get(); }

private:
    explicit NtVolume(HANDLE handle) : file_(handle) {}
    bool Control(DWORD code, void* out, DWORD outBytes);
    bool Fail();

    files::FileHandle file_;
    uint64_t position_ = 0;
    uint32_t error_ = 0;
    bool locked_ = false;
};

}  // namespace shredder
