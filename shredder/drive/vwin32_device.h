#pragma once
// The VWIN32 device of Windows 95, 98 and Me, opened for the lifetime of
// this object. Present on that family only: Open fails elsewhere.
#include <windows.h>

#include <memory>

#include "common/files/file_handle.h"
#include "shredder/drive/vwin32_volume.h"

namespace shredder {

class Vwin32DeviceHandle : public Vwin32Device {
public:
    // Null on failure, with `error` (when given) set to the system's code.
    static std::unique_ptr<Vwin32DeviceHandle> Open(uint32_t* error);

    bool Call(uint32_t code, DiocRegisters* regs) override;
    uint32_t LastError() override { return error_; }

private:
    explicit Vwin32DeviceHandle(HANDLE h) : device_(h) {}

    files::FileHandle device_;
    uint32_t error_ = 0;
};

}  // namespace shredder
