#pragma once
// The FAT side of a whole-drive wipe: the tables emptied, the root
// directory emptied down to the volume label, the free-space summary marked
// unknown. What remains is an empty, valid FAT16 or FAT32 volume.
#include <cstdint>

#include "shredder/drive/raw_volume.h"
#include "shredder/drive/volume_description.h"

namespace shredder {

constexpr uint32_t kDirEntryBytes = 32;

struct LabelEntry {
    bool found = false;
    uint8_t bytes[kDirEntryBytes] = {};
};

// Looks through the root directory (FAT32: its whole cluster chain) for the
// volume-label entry. Must run before the tables are cleared. False: the
// directory could not be read.
bool FindLabelEntry(RawVolume& volume, const VolumeDescription& d, LabelEntry* label);

// Zeroes every FAT copy except the two reserved entries and, on FAT32, the
// root directory's entry, which becomes a one-cluster chain.
bool ClearFats(RawVolume& volume, const VolumeDescription& d);

// Zeroes the root directory region; the label entry, when there is one,
// becomes its first entry.
bool ClearRoot(RawVolume& volume, const VolumeDescription& d, const LabelEntry& label);

// FAT32: the FSInfo sector's free count and next-free hint (and those of its
// backup copy) become "unknown", so the system counts afresh. True on FAT16
// and when the volume has no FSInfo.
bool MarkFreeSpaceUnknown(RawVolume& volume, const VolumeDescription& d);

}  // namespace shredder
