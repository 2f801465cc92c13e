#include "shredder/engine/file_target.h"

namespace shredder {

bool SeekFile(HANDLE file, uint64_t offset) {
    LONG high = static_cast<LONG>(offset >> 32);
    SetLastError(NO_ERROR);
    DWORD low = SetFilePointer(file, static_cast<LONG>(offset & 0xFFFFFFFF), &high, FILE_BEGIN);
    return !(low == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR);
}

bool OpenFileSize(HANDLE file, uint64_t& size) {
    DWORD high = 0;
    SetLastError(NO_ERROR);
    const DWORD low = GetFileSize(file, &high);
    if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return false;
    size = (static_cast<uint64_t>(high) << 32) | low;
    return true;
}

bool FileTarget::Seek(uint64_t offset) { return SeekFile(file_, offset); }

bool FileTarget::Write(const unsigned char* data, uint32_t length) {
    // Some file systems take a block in parts; only a write that puts
    // nothing down (or fails) is a failure.
    while (length > 0) {
        DWORD written = 0;
        if (!WriteFile(file_, data, length, &written, nullptr)) return false;
        if (written == 0) {
            SetLastError(NO_ERROR);  // refused without a reason
            return false;
        }
        data += written;
        length -= written;
    }
    // The file is opened write-through; a system that does not honour the
    // flag still puts each block on the disk before the next one.
    return FlushFileBuffers(file_) != 0;
}

std::string SystemErrorText(DWORD code) {
    char buffer[256] = {};
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), buffer,
                                  sizeof buffer - 1, nullptr);
    std::string text(buffer, length);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    if (text.empty()) text = "Error " + std::to_string(code);
    return text;
}

}  // namespace shredder
