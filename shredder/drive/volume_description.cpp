// Boot-sector parsing for FAT16, FAT32 and NTFS volumes.
#include "shredder/drive/volume_description.h"

#include <cstring>

#include "shredder/drive/le_bytes.h"

namespace shredder {
namespace {

constexpr size_t kBootSectorBytes = 512;
constexpr uint64_t kFat12Limit = 4085;   // fewer clusters: FAT12
constexpr uint64_t kFat16Limit = 65525;  // fewer clusters: FAT16

bool PowerOfTwoIn(uint32_t v, uint32_t low, uint32_t high) {
    return v >= low && v <= high && (v & (v - 1)) == 0;
}

std::string Upper(const std::string& s) {
    std::string u = s;
    for (char& c : u)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return u;
}

BootSectorResult ParseNtfs(const uint8_t* b, VolumeDescription* v) {
    v->kind = FileSystemKind::Ntfs;
    v->bytesPerSector = Le16(b + 11);
    uint32_t spc = b[13];
    // Values above 128 give the cluster size as a negative power of two.
    if (spc > 128) spc = (256 - spc) <= 16 ? (1u << (256 - spc)) : 0;
    v->sectorsPerCluster = spc;
    if (!PowerOfTwoIn(v->bytesPerSector, 512, 4096) || !PowerOfTwoIn(spc, 1, 1u << 16))
        return BootSectorResult::Unrecognised;
    v->totalSectors = Le64(b + 40);
    v->mftCluster = Le64(b + 48);
    int8_t record = int8_t(b[64]);
    if (record < 0) {
        if (record < -16 || record > -8) return BootSectorResult::Unrecognised;
        v->mftRecordSize = 1u << -record;
    } else {
        uint64_t bytes = uint64_t(record) * v->ClusterBytes();
        if (bytes < 256 || bytes > 65536) return BootSectorResult::Unrecognised;
        v->mftRecordSize = uint32_t(bytes);
    }
    if (v->totalSectors == 0 || v->totalSectors > (~uint64_t(0) >> 13) ||
        v->mftCluster == 0 || v->mftCluster > v->totalSectors / spc ||
        v->MftOffset() + v->mftRecordSize > v->VolumeBytes())
        return BootSectorResult::Unrecognised;
    v->rootCluster = 0;
    return BootSectorResult::Ok;
}

BootSectorResult ParseFat(const uint8_t* b, VolumeDescription* v) {
    v->bytesPerSector = Le16(b + 11);
    v->sectorsPerCluster = b[13];
    v->reservedSectors = Le16(b + 14);
    v->fatCopies = b[16];
    v->rootEntries = Le16(b + 17);
    uint32_t total16 = Le16(b + 19);
    uint32_t fat16Size = Le16(b + 22);
    v->totalSectors = total16 ? total16 : Le32(b + 32);
    v->sectorsPerFat = fat16Size ? fat16Size : Le32(b + 36);
    if (!PowerOfTwoIn(v->bytesPerSector, 512, 4096) || !PowerOfTwoIn(v->sectorsPerCluster, 1, 128) ||
        v->reservedSectors == 0 || v->fatCopies == 0 || v->fatCopies > 4 ||
        v->sectorsPerFat == 0 || v->totalSectors == 0)
        return BootSectorResult::Unrecognised;

    uint64_t rootSectors =
        (uint64_t(v->rootEntries) * 32 + v->bytesPerSector - 1) / v->bytesPerSector;
    uint64_t meta = v->reservedSectors + uint64_t(v->fatCopies) * v->sectorsPerFat + rootSectors;
    if (meta >= v->totalSectors) return BootSectorResult::Unrecognised;
    v->clusterCount = (v->totalSectors - meta) / v->sectorsPerCluster;
    if (v->clusterCount < kFat12Limit) return BootSectorResult::Fat12;

    // Every cluster needs its entry in the FAT.
    uint64_t entryBits = v->clusterCount < kFat16Limit ? 16 : 32;
    if ((v->clusterCount + 2) * entryBits / 8 > v->FatBytes()) return BootSectorResult::Unrecognised;

    if (v->clusterCount < kFat16Limit) {
        if (v->rootEntries == 0 || fat16Size == 0) return BootSectorResult::Unrecognised;
        v->kind = FileSystemKind::Fat16;
        v->rootCluster = 2;
        return BootSectorResult::Ok;
    }
    if (v->rootEntries != 0 || fat16Size != 0) return BootSectorResult::Unrecognised;
    v->kind = FileSystemKind::Fat32;
    v->rootCluster = Le32(b + 44) & 0x0FFFFFFF;
    uint32_t fsInfo = Le16(b + 48);
    uint32_t backup = Le16(b + 50);
    v->fsInfoSector = (fsInfo != 0 && fsInfo != 0xFFFF && fsInfo < v->reservedSectors) ? fsInfo : 0;
    v->backupBootSector =
        (backup != 0 && backup != 0xFFFF && backup < v->reservedSectors) ? backup : 0;
    if (v->rootCluster < 2 || v->rootCluster >= v->clusterCount + 2)
        return BootSectorResult::Unrecognised;
    return BootSectorResult::Ok;
}

}  // namespace

bool FileSystemKindFromName(const std::string& name, FileSystemKind* kind) {
    std::string u = Upper(name);
    if (u == "FAT") *kind = FileSystemKind::Fat16;
    else if (u == "FAT32") *kind = FileSystemKind::Fat32;
    else if (u == "NTFS") *kind = FileSystemKind::Ntfs;
    else return false;
    return true;
}

uint64_t VolumeDescription::StartOffset() const {
    if (kind == FileSystemKind::Ntfs) return 16ull * bytesPerSector;
    return (reservedSectors + uint64_t(fatCopies) * sectorsPerFat) * bytesPerSector;
}

uint64_t VolumeDescription::DataOffset() const {
    if (kind == FileSystemKind::Fat16) return StartOffset() + RootBytes();
    return StartOffset();
}

uint64_t VolumeDescription::RootOffset() const {
    if (kind == FileSystemKind::Fat16) return StartOffset();
    if (kind == FileSystemKind::Fat32) return ClusterOffset(rootCluster);
    return 0;
}

uint64_t VolumeDescription::RootBytes() const {
    if (kind == FileSystemKind::Fat16) {
        uint64_t bytes = uint64_t(rootEntries) * 32;
        return (bytes + bytesPerSector - 1) / bytesPerSector * bytesPerSector;
    }
    if (kind == FileSystemKind::Fat32) return ClusterBytes();
    return 0;
}

BootSectorResult ParseBootSector(const uint8_t* data, size_t size, VolumeDescription* out) {
    if (!data || size < kBootSectorBytes || data[510] != 0x55 || data[511] != 0xAA)
        return BootSectorResult::Unrecognised;
    VolumeDescription v;
    BootSectorResult r = std::memcmp(data + 3, "NTFS    ", 8) == 0 ? ParseNtfs(data, &v)
                                                                    : ParseFat(data, &v);
    if (r != BootSectorResult::Unrecognised) *out = v;
    return r;
}

}  // namespace shredder
