// The whole-drive wipe: checks, file-system preparation, passes and format.
#include "shredder/drive/drive_shredder.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "shredder/drive/volume_passes.h"

namespace shredder {
namespace {

constexpr uint32_t kBootSectorBytes = 512;

char DriveLetter(const std::string& drive) {
    if (drive.size() < 2 || drive[1] != ':') return 0;
    char c = drive[0];
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return (c >= 'A' && c <= 'Z') ? c : 0;
}

}  // namespace

DriveShredder::NameQuery DriveShredder::GetFileSystemName(char letter, FileSystemKind* kind) {
    std::string name;
    if (!letter || !env_.FileSystemName(letter, &name)) return NameQuery::Failed;
    return FileSystemKindFromName(name, kind) ? NameQuery::Known : NameQuery::Unsupported;
}

bool DriveShredder::ReadBootSectorAny(char letter, uint8_t* buffer, FileSystemKind kind) {
    std::unique_ptr<RawVolume> volume = env_.OpenVolume(letter, kind, false);
    return volume && volume->Seek(0) && volume->Read(buffer, kBootSectorBytes);
}

int64_t DriveShredder::DetectFileSystem(const std::string& drive, VolumeDescription* description) {
    char letter = DriveLetter(drive);
    FileSystemKind named = FileSystemKind::Fat16;
    switch (GetFileSystemName(letter, &named)) {
    case NameQuery::Known:
        break;
    case NameQuery::Unsupported:
        observer_.Report(msg::kUnsupportedFileSystem, drive);
        return -1;
    case NameQuery::Failed:
        observer_.Report(msg::kDetectFailed, drive);
        return -1;
    }
    uint8_t boot[kBootSectorBytes];
    if (!ReadBootSectorAny(letter, boot, named)) {
        observer_.Report(msg::kDetectFailed, drive);
        return -1;
    }
    VolumeDescription d;
    switch (ParseBootSector(boot, sizeof boot, &d)) {
    case BootSectorResult::Fat12:
        observer_.Report(msg::kUnsupportedFileSystem, drive);
        return -1;
    case BootSectorResult::Unrecognised:
        observer_.Report(msg::kDetectFailed, drive);
        return -1;
    case BootSectorResult::Ok:
        break;
    }
    // "FAT" and "FAT32" are both FAT; the cluster count decides which.
    if ((named == FileSystemKind::Ntfs) != (d.kind == FileSystemKind::Ntfs)) {
        observer_.Report(msg::kDetectFailed, drive);
        return -1;
    }
    *description = d;
    return int64_t(d.StartOffset());
}

DriveWipeResult DriveShredder::ShredDrive(const DriveWipeRequest& request) {
    DriveWipeResult result;
    if (observer_.Report(msg::kConfirmWipe, request.drive) != Answer::Yes) {
        result.outcome = DriveWipeOutcome::Declined;
        return result;
    }
    char letter = DriveLetter(request.drive);
    char windows = env_.WindowsDriveLetter();
    if (letter && windows && letter == windows) {
        observer_.Report(msg::kWindowsDrive, request.drive);
        result.outcome = DriveWipeOutcome::Refused;
        return result;
    }
    VolumeDescription d;
    if (DetectFileSystem(request.drive, &d) < 0) return result;

    std::unique_ptr<RawVolume> volume = env_.OpenVolume(letter, d.kind, true);
    if (!volume) {
        observer_.Report(msg::kNoExclusiveAccess, request.drive);
        return result;
    }
    if (!volume->Lock()) {
        observer_.Report(msg::kLockFailed, request.drive);
        result.outcome = DriveWipeOutcome::Refused;
        return result;
    }
    // Locked, no one else holds the volume; a file system that will not
    // dismount only keeps cached state nobody can use until the lock ends.
    volume->Dismount();

    result = Wipe(*volume, d, request);
    observer_.CloseProgress();
    volume.reset();  // unlocks: the system mounts the volume afresh
    if (result.wroteAnything) FormatStep(letter, d, request, &result);
    return result;
}

DriveWipeResult DriveShredder::Wipe(RawVolume& volume, const VolumeDescription& d,
                                    const DriveWipeRequest& request) {
    DriveWipeResult result;
    uint64_t end = d.VolumeBytes();
    if (uint64_t size = volume.Size()) end = std::min(end, size);
    end = end / d.bytesPerSector * d.bytesPerSector;
    uint64_t start = d.StartOffset();

    KeptRanges kept;
    LabelEntry label;
    if (d.kind == FileSystemKind::Ntfs) {
        if (!ProcessNtfsMft(volume, d, request.drive, &kept, &result)) return result;
    } else {
        kept.Add(d.RootOffset(), d.RootBytes());
        if (!FindLabelEntry(volume, d, &label)) {
            observer_.Report(msg::kClearRootFailed, request.drive);
            return result;
        }
    }
    kept.AlignTo(d.bytesPerSector);

    result.bytesPerPass = end > start ? end - start - kept.CoveredBytes(start, end) : 0;
    uint64_t passCount = uint64_t(std::max(0, passes_.PassCount()));
    std::string title = observer_.Text(kKeyShreddingDrive, kEnglishShreddingDrive) + " " +
                        request.displayName;
    if (!observer_.OpenProgress(title, "Drive " + request.drive,
                                ((result.bytesPerPass * passCount) >> 16) + 1))
        return result;

    if (d.kind != FileSystemKind::Ntfs) {
        result.wroteAnything = true;
        if (!ClearFatTable(volume, d)) {
            observer_.Report(msg::kClearFatFailed, request.drive);
            return result;
        }
        if (!ClearRootDirectory(volume, d, label)) {
            observer_.Report(msg::kClearRootFailed, request.drive);
            return result;
        }
    }

    PassPlan plan;
    plan.start = start;
    plan.end = end;
    plan.kept = &kept;
    plan.itemRange = (result.bytesPerPass >> 16) + (d.kind == FileSystemKind::Ntfs ? 1 : 2);
    std::vector<uint8_t> buffer(kPassBufferSize);
    switch (RunVolumePasses(volume, plan, passes_, observer_, buffer.data()).outcome) {
    case PassOutcome::Done:
        result.outcome = DriveWipeOutcome::Wiped;
        break;
    case PassOutcome::Aborted:
        result.outcome = DriveWipeOutcome::Aborted;
        break;
    case PassOutcome::SeekFailed:
    case PassOutcome::WriteFailed:
        observer_.Report(msg::kWriteFailed, request.drive);
        break;
    }
    if (result.bytesPerPass && passCount) result.wroteAnything = true;
    return result;
}

bool DriveShredder::ProcessNtfsMft(RawVolume& volume, const VolumeDescription& d,
                                   const std::string& drive, KeptRanges* kept,
                                   DriveWipeResult* result) {
    NtfsMetadata meta;
    switch (ScanNtfsMetadata(volume, d, &meta)) {
    case NtfsScanResult::Ok:
        break;
    case NtfsScanResult::ReadFailed:
        observer_.ReportSystemError(volume.LastError());
        return false;
    case NtfsScanResult::Corrupt:
        observer_.Report(msg::kDetectFailed, drive);
        return false;
    }
    for (const ByteRange& run : meta.logFile) {
        result->wroteAnything = true;
        if (!WriteVolumeBlock(volume, run.start, run.length)) {
            observer_.Report(msg::kWriteFailed, drive);
            return false;
        }
    }
    *kept = meta.kept;
    return true;
}

bool DriveShredder::ClearFatTable(RawVolume& volume, const VolumeDescription& d) {
    if (ClearFats(volume, d) && MarkFreeSpaceUnknown(volume, d)) return true;
    observer_.ReportSystemError(volume.LastError());
    return false;
}

bool DriveShredder::ClearRootDirectory(RawVolume& volume, const VolumeDescription& d,
                                       const LabelEntry& label) {
    if (ClearRoot(volume, d, label)) return true;
    observer_.ReportSystemError(volume.LastError());
    return false;
}

bool DriveShredder::WriteVolumeBlock(RawVolume& volume, uint64_t start, uint64_t length) {
    uint64_t back = volume.Position();
    std::vector<uint8_t> zeros(kPassBufferSize, 0);
    uint64_t end = start + length;
    for (uint64_t at = start; at < end;) {
        uint32_t piece = uint32_t(std::min<uint64_t>(kPassBufferSize, end - at));
        if (!volume.Seek(at) || !volume.Write(zeros.data(), piece)) return false;
        at += piece;
    }
    return volume.Seek(back);
}

void DriveShredder::FormatStep(char letter, const VolumeDescription& d,
                               const DriveWipeRequest& request, DriveWipeResult* result) {
    bool ntfs = d.kind == FileSystemKind::Ntfs;
    result->formatRequired = ntfs;
    if (!request.format && !ntfs) return;
    result->formatted = env_.FormatDrive(letter, ntfs);
    if (ntfs && !result->formatted) observer_.Report(msg::kMustFormat, request.drive);
}

}  // namespace shredder
