// NT volume device access.
#include "shredder/drive/nt_volume.h"

#include <winioctl.h>

namespace shredder {

std::unique_ptr<NtVolume> NtVolume::Open(char letter, bool write, uint32_t* error) {
    char path[] = "\\\\.\\X:";
    path[4] = letter;
    HANDLE h = CreateFileA(path, write ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ,
                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           write ? FILE_FLAG_WRITE_THROUGH : 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        if (error) *error = GetLastError();
        return nullptr;
    }
    return std::unique_ptr<NtVolume>(new NtVolume(h));
}

NtVolume::~NtVolume() {
    if (locked_) Control(FSCTL_UNLOCK_VOLUME, nullptr, 0);
}

bool NtVolume::Control(DWORD code, void* out, DWORD outBytes) {
    DWORD returned = 0;
    if (DeviceIoControl(file_.get(), code, nullptr, 0, out, outBytes, &returned, nullptr))
        return true;
    return Fail();
}

bool NtVolume::Fail() {
    error_ = GetLastError();
    return false;
}

bool NtVolume::Lock() {
    locked_ = Control(FSCTL_LOCK_VOLUME, nullptr, 0);
    return locked_;
}

bool NtVolume::Dismount() { return Control(FSCTL_DISMOUNT_VOLUME, nullptr, 0); }

bool NtVolume::Seek(uint64_t offset) {
    LONG high = LONG(offset >> 32);
    DWORD low = SetFilePointer(file_.get(), LONG(offset & 0xFFFFFFFF), &high, FILE_BEGIN);
    if (low == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR) return Fail();
    position_ = offset;
    return true;
}

bool NtVolume::Read(void* buffer, uint32_t bytes) {
    DWORD done = 0;
    if (!ReadFile(file_.get(), buffer, bytes, &done, nullptr)) return Fail();
    position_ += done;
    if (done != bytes) {
        error_ = ERROR_HANDLE_EOF;
        return false;
    }
    return true;
}

bool NtVolume::Write(const void* buffer, uint32_t bytes) {
    DWORD done = 0;
    if (!WriteFile(file_.get(), buffer, bytes, &done, nullptr)) return Fail();
    position_ += done;
    if (done != bytes) {
        error_ = ERROR_HANDLE_EOF;
        return false;
    }
    return true;
}

uint64_t NtVolume::Size() {
    GET_LENGTH_INFORMATION length;
    if (Control(IOCTL_DISK_GET_LENGTH_INFO, &length, sizeof length))
        return uint64_t(length.Length.QuadPart);
    PARTITION_INFORMATION partition;
    if (Control(IOCTL_DISK_GET_PARTITION_INFO, &partition, sizeof partition))
        return uint64_t(partition.PartitionLength.QuadPart);
    // Not a disk: an image file standing in for one.
    DWORD high = 0;
    DWORD low = GetFileSize(file_.get(), &high);
    if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return 0;
    return (uint64_t(high) << 32) | low;
}

}  // namespace shredder
