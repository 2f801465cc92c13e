#pragma once
// The whole-drive wipe: every data cluster of a FAT16, FAT32 or NTFS drive
// overwritten with the algorithm's passes through the raw volume, leaving an
// empty FAT volume or an NTFS volume that must then be formatted. Runs on
// the caller's thread; the observer pumps messages between blocks.
#include <cstdint>
#include <string>

#include "shredder/drive/drive_environment.h"
#include "shredder/drive/engine_interfaces.h"
#include "shredder/drive/fat_metadata.h"
#include "shredder/drive/ntfs_metadata.h"
#include "shredder/drive/volume_description.h"

namespace shredder {

struct DriveWipeRequest {
    std::string drive;           // "C:"
    std::string displayName;     // "Label (C:)" or "Local Disk (C:)"
    bool format = false;         // open the Format dialog afterwards
};

enum class DriveWipeOutcome {
    Wiped,     // every pass ran to the end
    Declined,  // the user answered No
    Refused,   // the drive may not or cannot be taken: nothing written
    Failed,    // reported; possibly part-written
    Aborted,   // Cancel during the passes
};

struct DriveWipeResult {
    DriveWipeOutcome outcome = DriveWipeOutcome::Failed;
    bool wroteAnything = false;
    bool formatRequired = false;  // NTFS: the volume is unusable until formatted
    bool formatted = false;       // the Format dialog reported a formatted drive
    uint64_t bytesPerPass = 0;
};

class DriveShredder {
public:
    DriveShredder(DriveEnvironment& environment, PassSource& passes, DriveObserver& observer)
        : env_(environment), passes_(passes), observer_(observer) {}

    DriveWipeResult ShredDrive(const DriveWipeRequest& request);

    // Reads the drive's file system: the offset in bytes where the passes
    // start, or -1 after the reason was reported (9081: not FAT16, FAT32
    // or NTFS; 9082: the name or the boot sector could not be read).
    int64_t DetectFileSystem(const std::string& drive, VolumeDescription* description);

private:
    enum class NameQuery { Known, Unsupported, Failed };
    // The file-system kind the system names for the drive.
    NameQuery GetFileSystemName(char letter, FileSystemKind* kind);
    // The first 512 bytes of the drive's volume.
    bool ReadBootSectorAny(char letter, uint8_t* buffer, FileSystemKind kind);
    DriveWipeResult Wipe(RawVolume& volume, const VolumeDescription& d,
                         const DriveWipeRequest& request);
    // Finds the ranges to keep and zeroes the log file.
    bool ProcessNtfsMft(RawVolume& volume, const VolumeDescription& d, const std::string& drive,
                        KeptRanges* kept, DriveWipeResult* result);
    // The FATs and, on FAT32, the FSInfo summary.
    bool ClearFatTable(RawVolume& volume, const VolumeDescription& d);
    bool ClearRootDirectory(RawVolume& volume, const VolumeDescription& d, const LabelEntry& label);
    // Zeroes [start, start + length) in 64 KB blocks and returns to the
    // position it found.
    bool WriteVolumeBlock(RawVolume& volume, uint64_t start, uint64_t length);
    void FormatStep(char letter, const VolumeDescription& d, const DriveWipeRequest& request,
                    DriveWipeResult* result);

    DriveEnvironment& env_;
    PassSource& passes_;
    DriveObserver& observer_;
};

}  // namespace shredder
