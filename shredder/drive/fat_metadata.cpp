// FAT tables, root directory and FSInfo of the whole-drive wipe.
#include "shredder/drive/fat_metadata.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "shredder/drive/le_bytes.h"
#include "shredder/drive/volume_io.h"

namespace shredder {
namespace {

constexpr uint32_t kPiece = 65536;
constexpr uint32_t kFat32Mask = 0x0FFFFFFF;

bool IsLabel(const uint8_t* e) {
    uint8_t attr = e[11];
    return e[0] != 0x00 && e[0] != 0xE5 && (attr & 0x0F) != 0x0F && (attr & 0x08) &&
           !(attr & 0x10);
}

// Scans `bytes` of directory entries; true when the end marker was met.
bool ScanEntries(const uint8_t* data, size_t bytes, LabelEntry* label) {
    for (size_t at = 0; at + kDirEntryBytes <= bytes; at += kDirEntryBytes) {
        const uint8_t* e = data + at;
        if (e[0] == 0x00) return true;
        if (!label->found && IsLabel(e)) {
            label->found = true;
            std::memcpy(label->bytes, e, kDirEntryBytes);
        }
    }
    return false;
}

bool Fat32Entry(RawVolume& volume, const VolumeDescription& d, uint32_t cluster, uint32_t* value) {
    uint8_t raw[4];
    if (!ReadVolumeBytes(volume, d.bytesPerSector, d.FatOffset() + uint64_t(cluster) * 4, raw, 4))
        return false;
    *value = Le32(raw) & kFat32Mask;
    return true;
}

bool WritePieces(RawVolume& volume, uint64_t offset, uint64_t bytes,
                 const std::vector<uint8_t>& first) {
    std::vector<uint8_t> zeros(kPiece, 0);
    for (uint64_t done = 0; done < bytes;) {
        uint32_t piece = uint32_t(std::min<uint64_t>(kPiece, bytes - done));
        const uint8_t* data = done == 0 && !first.empty() ? first.data() : zeros.data();
        if (!volume.Seek(offset + done) || !volume.Write(data, piece)) return false;
        done += piece;
    }
    return true;
}

}  // namespace

bool FindLabelEntry(RawVolume& volume, const VolumeDescription& d, LabelEntry* label) {
    *label = LabelEntry();
    if (d.kind == FileSystemKind::Fat16) {
        std::vector<uint8_t> root(size_t(d.RootBytes()));
        for (uint64_t done = 0; done < root.size(); done += kPiece) {
            uint32_t piece = uint32_t(std::min<uint64_t>(kPiece, root.size() - done));
            if (!volume.Seek(d.RootOffset() + done) || !volume.Read(root.data() + done, piece))
                return false;
        }
        ScanEntries(root.data(), root.size(), label);
        return true;
    }
    std::vector<uint8_t> cluster(size_t(d.ClusterBytes()));
    uint32_t current = d.rootCluster;
    for (uint64_t steps = 0; steps <= d.clusterCount; ++steps) {
        if (!volume.Seek(d.ClusterOffset(current)) ||
            !volume.Read(cluster.data(), uint32_t(cluster.size())))
            return false;
        if (ScanEntries(cluster.data(), cluster.size(), label) || label->found) return true;
        uint32_t next;
        if (!Fat32Entry(volume, d, current, &next)) return false;
        if (next < 2 || next >= d.clusterCount + 2) return true;  // end of chain (or damage)
        current = next;
    }
    return true;
}

bool ClearFats(RawVolume& volume, const VolumeDescription& d) {
    uint32_t entryBytes = d.kind == FileSystemKind::Fat32 ? 4 : 2;
    std::vector<uint8_t> first(std::min<uint64_t>(kPiece, d.FatBytes()), 0);
    if (!ReadVolumeBytes(volume, d.bytesPerSector, d.FatOffset(), first.data(), 2 * entryBytes))
        return false;
    uint64_t rootEntryAt = 0;
    uint32_t rootEntry = 0;
    if (d.kind == FileSystemKind::Fat32) {
        rootEntryAt = uint64_t(d.rootCluster) * 4;
        uint8_t raw[4];
        if (!ReadVolumeBytes(volume, d.bytesPerSector, d.FatOffset() + rootEntryAt, raw, 4))
            return false;
        // A root directory that spanned several clusters keeps only its
        // first: the rest of its chain is freed with everything else.
        rootEntry = (Le32(raw) & ~kFat32Mask) | kFat32Mask;
    }
    for (uint32_t copy = 0; copy < d.fatCopies; ++copy) {
        uint64_t base = d.FatOffset() + uint64_t(copy) * d.FatBytes();
        if (!WritePieces(volume, base, d.FatBytes(), first)) return false;
        if (d.kind == FileSystemKind::Fat32) {
            uint8_t raw[4];
            PutLe32(raw, rootEntry);
            if (!WriteVolumeBytes(volume, d.bytesPerSector, base + rootEntryAt, raw, 4))
                return false;
        }
    }
    return true;
}

bool ClearRoot(RawVolume& volume, const VolumeDescription& d, const LabelEntry& label) {
    std::vector<uint8_t> first;
    if (label.found) {
        first.assign(std::min<uint64_t>(kPiece, d.RootBytes()), 0);
        std::memcpy(first.data(), label.bytes, kDirEntryBytes);
    }
    return WritePieces(volume, d.RootOffset(), d.RootBytes(), first);
}

bool MarkFreeSpaceUnknown(RawVolume& volume, const VolumeDescription& d) {
    if (d.kind != FileSystemKind::Fat32 || d.fsInfoSector == 0) return true;
    uint32_t sectors[2] = {d.fsInfoSector, 0};
    if (d.backupBootSector != 0 && d.backupBootSector + 1 < d.reservedSectors)
        sectors[1] = d.backupBootSector + 1;
    std::vector<uint8_t> sector(d.bytesPerSector);
    for (uint32_t s : sectors) {
        if (s == 0) continue;
        uint64_t at = uint64_t(s) * d.bytesPerSector;
        if (!volume.Seek(at) || !volume.Read(sector.data(), d.bytesPerSector)) return false;
        if (Le32(&sector[0]) != 0x41615252 || Le32(&sector[484]) != 0x61417272)
            continue;  // no FSInfo there
        PutLe32(&sector[488], 0xFFFFFFFF);
        PutLe32(&sector[492], 0xFFFFFFFF);
        if (!volume.Seek(at) || !volume.Write(sector.data(), d.bytesPerSector)) return false;
    }
    return true;
}

}  // namespace shredder
