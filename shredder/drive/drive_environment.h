#pragma once
// What the whole-drive wipe asks of the system: which drive Windows runs
// from, a drive's file-system name, its raw volume and the Format dialog.
// SystemDriveEnvironment is the real one; tests put their own image in.
#include <cstdint>
#include <memory>
#include <string>

#include "shredder/drive/raw_volume.h"
#include "shredder/drive/volume_description.h"

namespace shredder {

class DriveEnvironment {
public:
    virtual ~DriveEnvironment() = default;

    virtual bool IsNtFamily() = 0;
    // 'C' when Windows runs from C:; 0 when that cannot be told.
    virtual char WindowsDriveLetter() = 0;
    // The name the system gives the file system of "X:\". False: the query
    // failed.
    virtual bool FileSystemName(char letter, std::string* name) = 0;
    // The raw volume of drive `letter`, for reading, or for reading and
    // writing; `kind` picks the 9x call family. Null on failure.
    virtual std::unique_ptr<RawVolume> OpenVolume(char letter, FileSystemKind kind, bool write) = 0;
    // Opens the platform's Format dialog for the drive and waits for it.
    // True when the drive was formatted.
    virtual bool FormatDrive(char letter, bool ntfs) = 0;
};

}  // namespace shredder
