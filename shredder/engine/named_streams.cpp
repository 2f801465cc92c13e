#include "shredder/engine/named_streams.h"

#include "shredder/engine/file_target.h"

namespace shredder {

namespace {

// The fixed part of a backup record, before its name.
constexpr uint32_t kRecordHeader = 20;
constexpr uint32_t kMaxNameBytes = 2 * 1024;

uint32_t Le32(const unsigned char* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

using BackupReadFn = BOOL(WINAPI*)(HANDLE, LPBYTE, DWORD, LPDWORD, BOOL, BOOL, LPVOID*);
using BackupSeekFn = BOOL(WINAPI*)(HANDLE, DWORD, DWORD, LPDWORD, LPDWORD, LPVOID*);

// The system's backup reader over one open file; the reader's context is
// released when the walk ends.
class SystemBackupRecords : public BackupRecords {
public:
    SystemBackupRecords(HANDLE file, BackupReadFn read, BackupSeekFn seek)
        : file_(file), read_(read), seek_(seek) {}
    ~SystemBackupRecords() override {
        if (context_) {
            DWORD done = 0;
            read_(file_, nullptr, 0, &done, TRUE, FALSE, &context_);
        }
    }
    bool Read(void* data, uint32_t size) override {
        DWORD done = 0;
        return read_(file_, static_cast<LPBYTE>(data), size, &done, FALSE, FALSE, &context_) &&
               done == size;
    }
    bool Skip(uint64_t size) override {
        DWORD low = 0, high = 0;
        if (size == 0) return true;
        return seek_(file_, static_cast<DWORD>(size), static_cast<DWORD>(size >> 32), &low, &high,
                     &context_) &&
               ((static_cast<uint64_t>(high) << 32) | low) == size;
    }

private:
    HANDLE file_;
    BackupReadFn read_;
    BackupSeekFn seek_;
    LPVOID context_ = nullptr;
};

}  // namespace

std::vector<NamedStream> ReadNamedStreams(BackupRecords& records) {
    std::vector<NamedStream> streams;
    unsigned char header[kRecordHeader];
    while (records.Read(header, kRecordHeader)) {
        const uint32_t id = Le32(header);
        const uint64_t size = (static_cast<uint64_t>(Le32(header + 12)) << 32) | Le32(header + 8);
        const uint32_t nameBytes = Le32(header + 16);
        if (nameBytes > kMaxNameBytes || nameBytes % 2 != 0) break;
        std::wstring wide(nameBytes / 2, L'\0');
        if (nameBytes > 0 && !records.Read(&wide[0], nameBytes)) break;
        if (id == BACKUP_ALTERNATE_DATA && !wide.empty()) {
            const int length = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                                   nullptr, 0, nullptr, nullptr);
            std::string name(static_cast<size_t>(length), '\0');
            WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), &name[0], length,
                                nullptr, nullptr);
            streams.push_back({name, size});
        }
        if (!records.Skip(size)) break;
    }
    return streams;
}

std::vector<NamedStream> ListNamedStreams(const std::string& path) {
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    const BackupReadFn read = reinterpret_cast<BackupReadFn>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "BackupRead")));
    const BackupSeekFn seek = reinterpret_cast<BackupSeekFn>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "BackupSeek")));
    // Windows 95 to Me export the names but do nothing behind them.
    if (!read || !seek || !(GetVersion() < 0x80000000u)) return {};
    OwnedFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) return {};
    SystemBackupRecords records(file.get(), read, seek);
    return ReadNamedStreams(records);
}

}  // namespace shredder
