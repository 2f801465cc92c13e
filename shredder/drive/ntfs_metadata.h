#pragma once
// Finds what a whole-drive wipe of an NTFS volume must leave in place: the
// metafiles' clusters and the MFT's own system records. Reads only.
#include <cstdint>
#include <vector>

#include "shredder/drive/kept_ranges.h"
#include "shredder/drive/raw_volume.h"
#include "shredder/drive/volume_description.h"

namespace shredder {

struct NtfsMetadata {
    // Ranges the passes leave alone, the log file's among them.
    KeptRanges kept;
    // The log file's clusters: zeroed once before the passes.
    std::vector<ByteRange> logFile;
    // MFT records 0 to keptRecords - 1 stay; later ones belong to user files.
    uint32_t keptRecords = 0;
};

enum class NtfsScanResult {
    Ok,
    ReadFailed,  // the volume could not be read
    Corrupt,     // a system record or run list makes no sense: keep nothing, wipe nothing
};

// Reads the MFT from record 0 through the first record from 24 on that is
// none of the system files kept in $Extend and System Volume Information.
// Every non-resident attribute of the kept records adds its clusters, except
// that the MFT's own data counts only its kept records and sparse runs
// (the bad-cluster file's, for one) have no clusters to keep.
NtfsScanResult ScanNtfsMetadata(RawVolume& volume, const VolumeDescription& description,
                                NtfsMetadata* out);

}  // namespace shredder
