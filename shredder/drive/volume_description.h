#pragma once
// What a whole-drive wipe needs to know about a volume, read from its boot
// sector, and the regions derived from it. Window-free: takes bytes, gives
// numbers, so it can be tested and fuzzed on any host.
#include <cstddef>
#include <cstdint>
#include <string>

namespace shredder {

enum class FileSystemKind { Fat16 = 0, Fat32 = 1, Ntfs = 2 };

// The file-system name the system reports ("FAT", "FAT32", "NTFS"; case is
// ignored). False for every other name.
bool FileSystemKindFromName(const std::string& name, FileSystemKind* kind);

struct VolumeDescription {
    FileSystemKind kind = FileSystemKind::Fat16;
    uint32_t bytesPerSector = 0;
    uint32_t sectorsPerCluster = 0;
    uint32_t reservedSectors = 0;   // FAT
    uint32_t fatCopies = 0;         // FAT
    uint32_t rootEntries = 0;       // FAT16
    uint32_t sectorsPerFat = 0;     // FAT
    uint32_t rootCluster = 0;       // FAT32; 2 on FAT16
    uint32_t fsInfoSector = 0;      // FAT32; 0 when the volume has none
    uint32_t backupBootSector = 0;  // FAT32; 0 when the volume has none
    uint64_t clusterCount = 0;      // FAT: data clusters
    uint64_t totalSectors = 0;
    uint64_t mftCluster = 0;        // NTFS
    uint32_t mftRecordSize = 0;     // NTFS, bytes

    uint64_t ClusterBytes() const { return uint64_t(bytesPerSector) * sectorsPerCluster; }
    uint64_t VolumeBytes() const { return totalSectors * bytesPerSector; }
    // First byte the overwrite passes touch: past the boot area on NTFS,
    // past the reserved sectors and the FATs on FAT.
    uint64_t StartOffset() const;
    uint64_t FatOffset() const { return uint64_t(reservedSectors) * bytesPerSector; }
    uint64_t FatBytes() const { return uint64_t(sectorsPerFat) * bytesPerSector; }
    // First byte of cluster 2 (FAT).
    uint64_t DataOffset() const;
    uint64_t ClusterOffset(uint32_t cluster) const {
        return DataOffset() + uint64_t(cluster - 2) * ClusterBytes();
    }
    // The root directory region: FAT16's fixed root (whole sectors), FAT32's
    // root cluster. Zero length on NTFS.
    uint64_t RootOffset() const;
    uint64_t RootBytes() const;
    uint64_t MftOffset() const { return mftCluster * ClusterBytes(); }
};

enum class BootSectorResult {
    Ok,
    Fat12,         // a FAT volume too small for FAT16: not supported
    Unrecognised,  // short, garbage or inconsistent
};

// Reads the first sector of a volume (`size` bytes available at `data`).
// FAT16 and FAT32 are told apart by their cluster count, as the file system
// itself defines them, whatever the volume's name says.
BootSectorResult ParseBootSector(const uint8_t* data, size_t size, VolumeDescription* out);

}  // namespace shredder
