// The VWIN32 device handle and its control calls.
#include "shredder/drive/vwin32_device.h"

namespace shredder {

std::unique_ptr<Vwin32DeviceHandle> Vwin32DeviceHandle::Open(uint32_t* error) {
    HANDLE h = CreateFileA("\\\\.\\vwin32", 0, 0, nullptr, 0, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        if (error) *error = GetLastError();
        return nullptr;
    }
    return std::unique_ptr<Vwin32DeviceHandle>(new Vwin32DeviceHandle(h));
}

bool Vwin32DeviceHandle::Call(uint32_t code, DiocRegisters* regs) {
    DWORD returned = 0;
    if (DeviceIoControl(device_.get(), code, regs, sizeof *regs, regs, sizeof *regs, &returned,
                        nullptr))
        return true;
    error_ = GetLastError();
    return false;
}

}  // namespace shredder
