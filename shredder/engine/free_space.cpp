// The free-space wipe: the drive's free space filled with temporary files
// in "SHREDTMP.$$$" at its root, those overwritten with the algorithm's
// passes, then all of it removed again on every path.
#include "shredder/engine/shred_engine.h"

#include <cstdio>

#include "common/os/os_version.h"
#include "shredder/core/paths.h"

namespace shredder {

namespace {

constexpr uint64_t kTempFileLimit = 1073741823;  // a file ends once it holds more

std::string Counted(std::string text, const std::string& what, int number, int count) {
    text = FillIn(text, "%s", what);
    text = FillIn(text, "%u", std::to_string(number));
    return FillIn(text, "%t", std::to_string(count));
}

// Some file systems answer a write to a full disk with another error:
// what counts is that not even the smallest block fits any more.
bool VolumeIsFull(const std::string& file) {
    unsigned long long total = 0, user = 0, disk = 0;
    return DriveSizes(file.substr(0, file.find_last_of('\\') + 1), total, user, disk) && user < 512;
}

// On the NT family the system itself deletes a temporary file once its
// handle closes, so a run ended from outside (a task's time limit, End
// Task) leaves no full disk behind. Windows 95, 98 and Me lack the flag.
DWORD TempFileFlags() {
    return FILE_FLAG_WRITE_THROUGH | (IsWindowsNT() ? FILE_FLAG_DELETE_ON_CLOSE : 0);
}

class SystemFreeSpace : public FreeSpaceQuery {
public:
    bool Query(const std::string& root, uint64_t& userFree, uint64_t& diskFree) override {
        unsigned long long total = 0, user = 0, disk = 0;
        if (!DriveSizes(root, total, user, disk)) return false;
        userFree = user;
        diskFree = disk;
        return true;
    }
};

}  // namespace

int ShredEngine::ShredFreeSpace(const std::string& root) {
    if (Interactive()) {
        if (xpOrMe_ &&
            messenger_.Ask(Text(texts::kRestorePoints), MB_OKCANCEL | MB_ICONINFORMATION) != IDOK)
            return kGoOn;
        if (messenger_.AskTitled(Text(texts::kFreeSpaceWarning), Text(texts::kFreeSpaceTitle),
                                 MB_OKCANCEL | MB_ICONWARNING) != IDOK)
            return kGoOn;
    }
    int index = 0;
    const Algorithm* algorithm = CurrentAlgorithm(&index);
    if (!algorithm) {
        ReportNoAlgorithm(index);
        return kStop;
    }
    abort_ = false;
    const std::string folder = JoinPath(root, "SHREDTMP.$$$");
    if (!CreateDirectoryA(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
        messenger_.Tell(Text(texts::kNoTempFolder), MB_OK | MB_ICONERROR);
        return kStop;
    }
    const std::string drive = root.substr(0, 2);
    SystemFreeSpace systemQuery;
    FreeSpaceQuery& query = freeSpace_ ? *freeSpace_ : systemQuery;
    uint64_t userFree = 0, diskFree = 0;
    if (!query.Query(root, userFree, diskFree)) userFree = diskFree = 0;
    if (userFree == 0) {
        messenger_.Tell(FillIn(Text(diskFree ? texts::kNoUserSpace : texts::kNoDiskSpace), "%c", drive),
                        MB_OK | MB_ICONINFORMATION);
        RemoveDirectoryA(folder.c_str());
        return kGoOn;
    }
    if (userFree != diskFree &&
        messenger_.Tell(Text(texts::kQuota), MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDNO) {
        RemoveDirectoryA(folder.c_str());
        return kGoOn;
    }
    const int count = static_cast<int>((userFree >> 30) + 1);
    std::vector<TempFileRecord> records(count);
    const uint64_t passes = algorithm->passes.size() + (index != 0 ? 1 : 0);
    SetProgressTotal(((passes * userFree) >> 16) + 1);
    if (!CreateProgressDialog()) {
        RemoveDirectoryA(folder.c_str());
        return kStop;
    }
    observer_.SetTitle(Text(texts::kFreeSpaceProgress) + " " + drive);
    observer_.SetFileLine(Text(texts::kPreparingFiles));
    observer_.SetPassLine(Text(texts::kMinuteOrTwo));
    observer_.SetItemRange(count);
    buffer_.Zero();
    bool ok = true;
    const std::string label = Text(index != 0 ? texts::kPreparing : texts::kShredding);
    for (int i = 0; i < count && ok; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "SHRED%03u.TMP", static_cast<unsigned>(i));
        TempFileRecord& record = records[i];
        record.name = JoinPath(folder, name);
        record.handle = CreateFileA(record.name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    TempFileFlags(), nullptr);
        if (record.handle == INVALID_HANDLE_VALUE) {
            messenger_.Tell(Text(texts::kTempFilesFailed), MB_OK | MB_ICONERROR);
            ok = false;
            break;
        }
        observer_.SetFileLine(Counted(Text(texts::kTempFileOf), label, i + 1, count));
        const int filled = FillTempFile(record);
        ok = filled == 0 || filled == 1;
    }
    if (ok && !abort_ && index != 0) {
        for (int i = 0; i < count && !abort_; ++i) {
            if (ShredTempFile(records[i], i + 1, count) != kGoOn) break;
        }
    }
    CleanUpTempFiles(records, folder);
    return abort_ ? kStop : kGoOn;
}

int ShredEngine::FillTempFile(TempFileRecord& record) {
    observer_.SetItemRange(16384);
    observer_.SetItemPos(0);
    DWORD block = 65536;
    uint32_t position = 0;
    DWORD error = NO_ERROR;
    for (;;) {
        DWORD written = 0;
        if (!WriteFile(record.handle, buffer_.data(), block, &written, nullptr) || written != block) {
            error = GetLastError();
            if (block == 512) break;
            block /= 2;
            continue;
        }
        observer_.SetItemPos(++position);
        observer_.StepTotal();
        record.written += written;
        if (record.written > kTempFileLimit) {
            FlushFileBuffers(record.handle);
            return 0;
        }
        if (observer_.ShouldAbort()) abort_ = true;
        if (abort_) return 3;
    }
    // What the cache holds reaches the disk before the file can go.
    FlushFileBuffers(record.handle);
    // A refused write may still have put some bytes down: the passes cover
    // what the file really holds.
    OpenFileSize(record.handle, record.written);
    if (error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL || VolumeIsFull(record.name))
        return 1;
    ReportTempWriteFailed(error);
    return 2;
}

void ShredEngine::ReportTempWriteFailed(DWORD error) {
    char code[16];
    std::snprintf(code, sizeof code, " %08X", static_cast<unsigned>(error));
    messenger_.Tell(FillIn(Text(texts::kWriteFailed), "%s", WriteErrorText(error)) + code,
                    MB_OK | MB_ICONINFORMATION);
}

int ShredEngine::ShredTempFile(TempFileRecord& record, int number, int count) {
    observer_.SetFileLine(Counted(Text(texts::kFileOfCount), record.name, number, count));
    // The temporary file goes right after, so no word about keeping it.
    PassResult passes;
    const int result = RunFilePasses(record.handle, record.name, record.written, passes);
    if (passes.outcome == PassOutcome::WriteFailed) ReportTempWriteFailed(passes.error);
    return result;
}

void ShredEngine::CleanUpTempFiles(std::vector<TempFileRecord>& records, const std::string& folder) {
    observer_.SetFileLine(Text(texts::kDeletingTemp));
    observer_.SetPassLine(Text(texts::kAMoment));
    observer_.SetItemRange(static_cast<uint32_t>(records.size()));
    observer_.SetItemPos(0);
    observer_.EnableCancel(false);
    uint32_t done = 0;
    for (TempFileRecord& record : records) {
        if (record.handle != INVALID_HANDLE_VALUE) {
            CloseHandle(record.handle);
            record.handle = INVALID_HANDLE_VALUE;
            DeleteFileA(record.name.c_str());
        }
        observer_.SetItemPos(++done);
    }
    records.clear();
    RemoveDirectoryA(folder.c_str());
    DestroyProgressDialog();
}

}  // namespace shredder
